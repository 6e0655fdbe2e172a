#include "windows/ExportWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "export/ExportFormats.h"
#include "records/ArchiveMessages.h"
#include "records/RecordFile.h"
#include "shell/TfrmGuida.h"
#include "windows/GuiListActions.h"

ExportWindow::ExportWindow(const ExportDefinition& definition, QWidget* parent,
                           const QString& archive, const QDate& date)
    : QDialog(parent),
      definition_(definition),
      archive_(archive.isEmpty() ? archivePath(*definition.layout) : archive),
      date_(date),
      grid_(new ExportGridModel(definition.columns, this)) {
    frameListWindow(this, definition.windowName, definition.caption, definition.windowSize,
                    [this] { opening_.onShown(); });
    setMouseTracking(true);
    installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    QHBoxLayout* top =
        addListHeading(this, layout, QStringLiteral("Esportazione in Microsoft Excel"), 14);
    auto* icoHand = new QLabel(QStringLiteral("Esporta archivio ➜"), this);
    icoHand->setObjectName(QStringLiteral("icoHand"));
    top->addWidget(icoHand);
    QToolButton* cmdEsporta = addButton("cmdEsporta", "esporta", QString());
    top->addWidget(cmdEsporta);
    cboFormato_ = new QComboBox(this);
    cboFormato_->setObjectName(QStringLiteral("cboFormato"));
    const ArchiveDefinition* owner = registry::ofLayout(definition.layout);
    const QList<exportformat::Format> formats =
        owner ? exportformat::formatsOf(*owner) : QList{exportformat::Format::Xls};
    for (const exportformat::Format format : formats) {
        const QString caption = [format] {
            switch (format) {
                case exportformat::Format::Xls:
                    return QStringLiteral("Excel (.xls)");
                case exportformat::Format::Xlsx:
                    return QStringLiteral("Excel 2007 e successivi (.xlsx)");
                case exportformat::Format::Csv:
                    return QStringLiteral("CSV con tutti i campi (.csv)");
                case exportformat::Format::Ics:
                    return QStringLiteral("Calendario (.ics)");
            }
            return QString();
        }();
        cboFormato_->addItem(caption, int(format));
    }
    cboFormato_->setToolTip(QStringLiteral("Il formato del file esportato."));
    top->addWidget(cboFormato_);
    top->addSpacing(20);
    QToolButton* cmdGuida =
        addButton("cmdGuida", "guida",
                  QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    top->addWidget(cmdGuida);
    QToolButton* cmdEsci =
        addButton("cmdEsci", "esci", QStringLiteral("Esci da questo ambiente di lavoro."));
    top->addWidget(cmdEsci);

    grdRecords_ = new QTableView(this);
    grdRecords_->setObjectName(QStringLiteral("grdRecords"));
    grdRecords_->setModel(grid_);
    grdRecords_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRecords_->setAlternatingRowColors(true);
    grdRecords_->verticalHeader()->hide();
    grdRecords_->verticalHeader()->setDefaultSectionSize(21);
    grdRecords_->setColumnWidth(0, 60);
    for (qsizetype c = 0; c < definition.columns.size(); ++c) {
        grdRecords_->setColumnWidth(static_cast<int>(c) + 1, definition.columns.at(c).gridWidth);
    }
    grdRecords_->setMouseTracking(true);
    grdRecords_->viewport()->setMouseTracking(true);
    grdRecords_->viewport()->installEventFilter(this);
    layout->addWidget(grdRecords_, 1);

    panInfo_ = statusLine(this, QStringLiteral("Esportazione archivio in Microsoft Excel."));
    layout->addWidget(panInfo_);

    // The texts name the format chosen.
    const auto describe = [this, cmdEsporta] {
        const auto format = exportformat::Format(cboFormato_->currentData().toInt());
        const bool excel =
            format == exportformat::Format::Xls || format == exportformat::Format::Xlsx;
        const QString into =
            excel ? QStringLiteral("in Microsoft Excel") : exportformat::intoFormat(format);
        if (auto* heading = findChild<QLabel*>(QStringLiteral("imgLogo"))) {
            heading->setText(QStringLiteral("Esportazione ") + into);
        }
        const QString hint = QStringLiteral("Esporta l'archivio ") +
                             (excel ? QStringLiteral("in formato Microsoft Excel.") : into + u'.');
        cmdEsporta->setToolTip(hint);
        hints_.insert(cmdEsporta, hint);
        panInfo_->setText(QStringLiteral("Esportazione archivio ") + into + u'.');
    };
    connect(cboFormato_, &QComboBox::currentIndexChanged, this, describe);
    describe();
    connect(cmdEsporta, &QToolButton::clicked, this, &ExportWindow::exportFile);
    connect(cmdGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(this, *definition_.guide); });
    connect(cmdEsci, &QToolButton::clicked, this, &ExportWindow::reject);
}

QToolButton* ExportWindow::addButton(const char* name, const char* icon, const QString& hint) {
    QToolButton* button = pictureButton(this, QString::fromLatin1(name), icon, 40);
    button->setToolTip(hint);
    hints_.insert(button, hint);
    button->installEventFilter(this);
    return button;
}

namespace {

constexpr const char* kLastFolder = "Esportazione/UltimaCartella";

}  // namespace

QString ExportWindow::filePath() const {
    const auto format = exportformat::Format(cboFormato_->currentData().toInt());
    const ArchiveDefinition* owner = registry::ofLayout(definition_.layout);
    const QString name =
        format == exportformat::Format::Xls
            ? definition_.fileName
            : exportformat::fileName(definition_.fileName, format,
                                     owner ? exportformat::yearOf(*owner, archive_) : QString());
    const QString last =
        QSettings(paths::settingsFile(), QSettings::IniFormat).value(kLastFolder).toString();
    return QDir(!last.isEmpty() && QFileInfo(last).isDir() ? last : paths::dataFolder())
        .filePath(name);
}

bool ExportWindow::fillGrid() {
    const QDate date = date_.isValid() ? date_ : seams::clock().today();
    gridWhole_ = false;
    grid_->setRows({});
    ProgressScope progress(QStringLiteral("Lettura dell'archivio in corso..."));
    GridRows rows =
        definition_.read(definition_.filesFor(archive_, date), date, progress.callback());
    progress.end();
    if (rows.cancelled) return false;
    gridWhole_ = rows.ok;
    grid_->setRows(std::move(rows));
    // The rows read so far stay shown; the grid is never passed off as whole.
    if (!gridWhole_) seams::messages().plain(archivemsg::accessError());
    return true;
}

int ExportWindow::exec() {
    return opening_.beforeExec() ? QDialog::exec() : int(QDialog::Rejected);
}

void ExportWindow::exportFile() {
    // A grid the archive could not fill whole is not exported: the file
    // would look complete, and would replace a previous complete one.
    if (!gridWhole_) return seams::messages().plain(archivemsg::accessError());
    const auto format = exportformat::Format(cboFormato_->currentData().toInt());
    if (!seams::messages().confirm(
            QStringLiteral("L'esportazione dei dati ") + exportformat::intoFormat(format) +
            QStringLiteral(" può richiedere diversi minuti a seconda del numero di "
                           "schede presenti in archivio.\r\n\r\nSi vuole esportare "
                           "i dati adesso?"))) {
        return;
    }
    // Where it goes: proposed in the folder used last (the data folder at
    // first), which is remembered.
    const QString extension = exportformat::nameOf(format);
    const QString target = seams::desktop().saveFileName(
        QStringLiteral("Salva l'esportazione"), filePath(),
        QStringLiteral("File %1 (*.%2)").arg(extension.toUpper(), extension));
    if (target.isEmpty()) return;
    ProgressScope progress(QStringLiteral("Esportazione in corso..."));
    bool cancelled = false;
    const ArchiveDefinition* owner = registry::ofLayout(definition_.layout);
    bool written = false;
    if (format == exportformat::Format::Xls || !owner) {
        written = spreadsheet::writeGrid(target, definition_.sheetName, *grid_, nullptr,
                                         progress.callback(), &cancelled);
    } else {
        // Every field (or the events) of the records the grid shows, read
        // again from their files.
        const QDate date = date_.isValid() ? date_ : seams::clock().today();
        exportformat::Request request{owner, &definition_, format,
                                      definition_.filesFor(archive_, date), target};
        if (definition_.selection) {
            request.select = [this, date](const FieldValues& values) {
                return definition_.selection(values, date);
            };
            for (const FieldId field : definition_.selectionFields) {
                request.selectFields.append(field.index);
            }
        }
        written =
            exportformat::exportRecords(request, nullptr, nullptr, progress.callback(), &cancelled);
    }
    progress.end();
    if (cancelled) return;  // nothing written: the earlier file stays as it was
    if (!written) {
        seams::messages().plain(
            QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                           "Accertarsi che il ") +
            exportformat::fileOfFormat(format) + QStringLiteral(" non sia già aperto."));
        return;
    }
    // The folder is proposed next time; the data folder needs no note.
    const QString folder = QFileInfo(target).absolutePath();
    QSettings settings(paths::settingsFile(), QSettings::IniFormat);
    if (QFileInfo(folder) == QFileInfo(paths::dataFolder())) {
        settings.remove(kLastFolder);
    } else {
        settings.setValue(kLastFolder, folder);
    }
    if (seams::messages().confirm(
            QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi "
                           "vuole aprire il ") +
            exportformat::fileOfFormat(format) + u'?')) {
        seams::desktop().shellOpen(u'"' + target + u'"');
    }
}

bool ExportWindow::eventFilter(QObject* watched, QEvent* event) {
    if (const auto hint = hints_.constFind(watched); hint != hints_.constEnd()) {
        if (event->type() == QEvent::Enter) panInfo_->setText(*hint);
        if (event->type() == QEvent::Leave) panInfo_->clear();
    } else if (event->type() == QEvent::MouseMove) {
        panInfo_->clear();
    }
    return QDialog::eventFilter(watched, event);
}
