#include "backup/BackupWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "backup/Backup.h"
#include "backup/BackupSettings.h"
#include "base/GuiShell.h"
#include "base/Seams.h"

namespace {

constexpr backup::Frequency kFrequencies[] = {backup::Frequency::AtExit, backup::Frequency::Daily,
                                              backup::Frequency::Weekly, backup::Frequency::Never};

QString recordsText(qint64 count) {
    return count < 0 ? QStringLiteral("(nessun file)") : QString::number(count);
}

// The date, and what tells the state before a restore apart.
QString dateText(const backup::Listed& item) {
    QString text = item.date.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    const QString label = backup::label(item.manifest);
    if (!label.isEmpty()) text += QStringLiteral(" (") + label + u')';
    return text;
}

QString recordSummary(const backup::Listed& item) {
    if (!item.error.isEmpty()) return item.error;
    QStringList parts;
    for (const backup::FileEntry& file : item.manifest.files) {
        if (file.records >= 0)
            parts.append(QStringLiteral("%1: %2").arg(file.name).arg(file.records));
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

BackupWindow::BackupWindow(QList<const ArchiveDefinition*> archives, QWidget* parent)
    : QDialog(parent), archives_(std::move(archives)) {
    setObjectName(QStringLiteral("BackupWindow"));
    setWindowTitle(QStringLiteral(" Selvadoro - Backup e ripristino"));
    setWindowIcon(programWindowIcon());
    resize(820, 640);
    auto* layout = new QVBoxLayout(this);

    auto* settingsBox = new QGroupBox(QStringLiteral("Backup automatico"), this);
    auto* form = new QFormLayout(settingsBox);
    auto* folderRow = new QHBoxLayout;
    folder_ = new QLineEdit(settingsBox);
    folder_->setObjectName(QStringLiteral("edtCartella"));
    auto* defaultFolder = new QPushButton(QStringLiteral("Predefinita"), settingsBox);
    defaultFolder->setObjectName(QStringLiteral("btnPredefinita"));
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(defaultFolder);
    form->addRow(QStringLiteral("Cartella dei backup:"), folderRow);
    auto* advice = new QLabel(
        QStringLiteral("Consiglio: scegliere una chiavetta USB o un altro disco, così i dati si "
                       "salvano anche se si guasta il disco di questo computer."),
        settingsBox);
    advice->setObjectName(QStringLiteral("lblConsiglio"));
    advice->setWordWrap(true);
    form->addRow(advice);
    frequency_ = new QComboBox(settingsBox);
    frequency_->setObjectName(QStringLiteral("cmbFrequenza"));
    for (const backup::Frequency f : kFrequencies) frequency_->addItem(backup::frequencyText(f));
    form->addRow(QStringLiteral("Backup automatico:"), frequency_);
    keep_ = new QSpinBox(settingsBox);
    keep_->setObjectName(QStringLiteral("spnConserva"));
    keep_->setRange(backup::kMinKeep, backup::kMaxKeep);
    form->addRow(QStringLiteral("Backup da conservare:"), keep_);
    auto* settingsButtons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("Salva impostazioni"), settingsBox);
    save->setObjectName(QStringLiteral("btnSalva"));
    auto* now = new QPushButton(QStringLiteral("Esegui backup ora"), settingsBox);
    now->setObjectName(QStringLiteral("btnBackupOra"));
    settingsButtons->addStretch(1);
    settingsButtons->addWidget(save);
    settingsButtons->addWidget(now);
    form->addRow(settingsButtons);
    layout->addWidget(settingsBox);

    auto* restoreBox = new QGroupBox(QStringLiteral("Ripristino"), this);
    auto* restoreLayout = new QVBoxLayout(restoreBox);
    backups_ = new QTreeWidget(restoreBox);
    backups_->setObjectName(QStringLiteral("lstBackup"));
    backups_->setRootIsDecorated(false);
    backups_->setHeaderLabels({QStringLiteral("Data"), QStringLiteral("Dimensione"),
                               QStringLiteral("Schede per archivio"), QStringLiteral("Cartella")});
    backups_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    backups_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    backups_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    backups_->header()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    restoreLayout->addWidget(backups_, 2);
    restoreLayout->addWidget(new QLabel(
        QStringLiteral("Che cosa cambierebbe ripristinando il backup scelto:"), restoreBox));
    changes_ = new QTreeWidget(restoreBox);
    changes_->setObjectName(QStringLiteral("grdDifferenze"));
    changes_->setRootIsDecorated(false);
    changes_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    changes_->setHeaderLabels({QStringLiteral("Archivio"), QStringLiteral("Schede ora"),
                               QStringLiteral("Schede nel backup")});
    restoreLayout->addWidget(changes_, 1);
    auto* restoreButtons = new QHBoxLayout;
    auto* other = new QPushButton(QStringLiteral("Ripristina da un altro file..."), restoreBox);
    other->setObjectName(QStringLiteral("btnAltroFile"));
    restore_ = new QPushButton(QStringLiteral("Ripristina il backup scelto"), restoreBox);
    restore_->setObjectName(QStringLiteral("btnRipristina"));
    restore_->setEnabled(false);
    restoreButtons->addWidget(other);
    restoreButtons->addStretch(1);
    restoreButtons->addWidget(restore_);
    restoreLayout->addLayout(restoreButtons);
    layout->addWidget(restoreBox, 1);

    auto* bottom = new QHBoxLayout;
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStato"));
    status_->setWordWrap(true);
    auto* close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(QStringLiteral("btnChiudi"));
    bottom->addWidget(status_, 1);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    const backup::Settings settings = backup::readSettings();
    folder_->setText(QDir::toNativeSeparators(backup::folderOf(settings)));
    for (int i = 0; i < int(std::size(kFrequencies)); ++i) {
        if (kFrequencies[i] == settings.frequency) frequency_->setCurrentIndex(i);
    }
    keep_->setValue(settings.keep);
    if (!settings.lastError.isEmpty()) {
        status_->setText(QStringLiteral("Ultimo backup automatico non riuscito: ") +
                         settings.lastError);
    }

    connect(defaultFolder, &QPushButton::clicked, this,
            [this] { folder_->setText(QDir::toNativeSeparators(backup::defaultFolder())); });
    connect(save, &QPushButton::clicked, this, &BackupWindow::saveSettings);
    connect(now, &QPushButton::clicked, this, &BackupWindow::backUpNow);
    connect(restore_, &QPushButton::clicked, this, &BackupWindow::restoreChosen);
    connect(other, &QPushButton::clicked, this, &BackupWindow::restoreOtherFile);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(backups_, &QTreeWidget::currentItemChanged, this, &BackupWindow::showChanges);
    refresh();
}

bool BackupWindow::storeSettings() {
    backup::Settings settings = backup::readSettings();
    const QString previous = backup::folderOf(settings);
    const QString folder = QDir::fromNativeSeparators(folder_->text().trimmed());
    // Compared by path: two folders not yet made are not the same one.
    settings.folder = folder.isEmpty() || backup::sameFolder(folder, backup::defaultFolder())
                          ? QString()
                          : folder;
    const QString chosen = backup::folderOf(settings);
    const bool changed = !backup::sameFolder(chosen, previous);
    if (changed) {
        // A folder that cannot take backups is said now, not at the first
        // backup.
        if (const QString unusable = backup::checkFolder(chosen); !unusable.isEmpty()) {
            seams::messages().error(unusable);
            status_->setText(unusable);
            folder_->setFocus();
            return false;
        }
    }
    settings.frequency = kFrequencies[qMax(0, frequency_->currentIndex())];
    settings.keep = keep_->value();
    QString error;
    // The backups of the folder left are still listed.
    if (!backup::writeSettings(settings, &error) || (changed && !backup::list(previous).isEmpty() &&
                                                     !backup::rememberFolder(previous, &error))) {
        seams::messages().error(QStringLiteral("Impossibile salvare le impostazioni dei backup: ") +
                                error);
        return false;
    }
    return true;
}

void BackupWindow::saveSettings() {
    if (!storeSettings()) return;
    QString text = QStringLiteral("Impostazioni salvate.");
    const QString note = backup::sameDiskNote(backup::folderOf(backup::readSettings()));
    if (!note.isEmpty()) text += u' ' + note;
    status_->setText(text);
    refresh();
}

void BackupWindow::refresh() {
    backups_->clear();
    changes_->clear();
    for (const QString& folder : backup::listedFolders(backup::readSettings())) {
        for (const backup::Listed& item : backup::list(folder)) {
            auto* row = new QTreeWidgetItem(backups_);
            row->setText(0, dateText(item));
            row->setText(1, backup::sizeText(item.size));
            row->setText(2, recordSummary(item));
            row->setText(3, QDir::toNativeSeparators(folder));
            row->setData(0, Qt::UserRole, item.path);
        }
    }
    restore_->setEnabled(backups_->topLevelItemCount() > 0);
    if (backups_->topLevelItemCount() > 0) backups_->setCurrentItem(backups_->topLevelItem(0));
}

void BackupWindow::showChanges() {
    changes_->clear();
    const QTreeWidgetItem* chosen = backups_->currentItem();
    if (!chosen) return;
    const QString path = chosen->data(0, Qt::UserRole).toString();
    for (const backup::Listed& item : backup::list(QFileInfo(path).absolutePath())) {
        if (item.path != path || !item.error.isEmpty()) continue;
        for (const backup::Change& change : backup::changes(item.manifest, archives_)) {
            auto* row = new QTreeWidgetItem(changes_);
            row->setText(0, change.name);
            if (change.isSettings) {
                row->setText(1, change.existsNow ? QStringLiteral("impostazioni attuali")
                                                 : QStringLiteral("(nessun file)"));
                row->setText(2, !change.inBackup ? QStringLiteral("(non nel backup: restano)")
                                : change.differs
                                    ? QStringLiteral("diverse: tornano quelle del backup")
                                    : QStringLiteral("uguali"));
            } else {
                row->setText(1, recordsText(change.recordsNow));
                row->setText(2, recordsText(change.recordsInBackup));
            }
            if (change.isSettings ? change.differs : change.recordsNow != change.recordsInBackup) {
                for (int c = 0; c < 3; ++c) row->setForeground(c, QColor(0xB0, 0x20, 0x20));
            }
        }
    }
}

void BackupWindow::backUpNow() {
    if (!storeSettings()) return;
    const backup::Settings settings = backup::readSettings();
    backup::Outcome outcome;
    {
        ProgressScope progress(QStringLiteral("Backup in corso..."));
        outcome = backup::create(archives_, backup::folderOf(settings), settings.keep,
                                 progress.callback());
    }
    announce(outcome, QStringLiteral("Backup annullato."),
             QStringLiteral("Backup scritto e verificato:\n"));
}

void BackupWindow::announce(const backup::Outcome& outcome, const QString& cancelled,
                            const QString& done) {
    refresh();
    if (outcome.cancelled) {
        status_->setText(cancelled);
    } else if (!outcome.ok) {
        seams::messages().error(outcome.error);
        status_->setText(outcome.error);
    } else {
        QString text = done + QDir::toNativeSeparators(outcome.path);
        if (!outcome.note.isEmpty()) text += QStringLiteral("\n") + outcome.note;
        status_->setText(text);
        seams::messages().information(text);
    }
}

void BackupWindow::restoreChosen() {
    if (const QTreeWidgetItem* chosen = backups_->currentItem()) {
        restoreFrom(chosen->data(0, Qt::UserRole).toString());
    }
}

void BackupWindow::restoreOtherFile() {
    const QString path = seams::desktop().openFileName(
        QStringLiteral("Scegliere il backup da ripristinare"),
        backup::folderOf(backup::readSettings()), QStringLiteral("Backup di Selvadoro (*.zip)"));
    if (!path.isEmpty()) restoreFrom(path);
}

void BackupWindow::restoreFrom(const QString& zipPath) {
    if (!seams::messages().confirm(
            QStringLiteral("Ripristinare il backup %1?\n"
                           "Gli archivi torneranno come erano in quel momento; lo stato attuale "
                           "viene prima salvato in un nuovo backup.\n"
                           "Nessuno deve usare Selvadoro sulle altre postazioni.")
                .arg(QFileInfo(zipPath).fileName()))) {
        return;
    }
    const backup::Settings settings = backup::readSettings();
    backup::Outcome outcome;
    {
        ProgressScope progress(QStringLiteral("Ripristino in corso..."));
        outcome = backup::restore(zipPath, archives_, backup::folderOf(settings), settings.keep,
                                  progress.callback());
    }
    announce(outcome, QStringLiteral("Ripristino annullato: i file sono rimasti come erano."),
             QStringLiteral("Ripristino eseguito. Lo stato precedente è nel backup\n"));
}
