#include "windows/TfrmAllegaCartella.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "base/TextRules.h"
#include "records/Attachments.h"
#include "windows/CardWindow.h"

namespace {

// A record field holds 250 characters.
constexpr int kNameCapacity = 250;

QString slotSuffix(int k) {
    return QStringLiteral("%1").arg(k + 1, 2, 10, QLatin1Char('0'));
}

QString quoted(const QString& name) {
    return u'"' + name + u'"';
}

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->setSpacing(10);
    const QIcon eraseIcon = programIcon("cancella");
    const char* const ordinals[3] = {"1°", "2°", "3°"};

    for (int k = 0; k < 3; ++k) {
        const QString suffix = slotSuffix(k);
        const QString ordinal = QString::fromUtf8(ordinals[k]);
        auto* group = new QGroupBox(this);
        group->setObjectName(QStringLiteral("grpFile") + suffix);
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(6);

        Slot& slot = slots_[k];
        slot.file = new QLineEdit(group);
        slot.file->setObjectName(QStringLiteral("txtFile") + suffix);
        slot.file->setReadOnly(true);
        slot.file->setMaxLength(kNameCapacity);
        slot.file->setMinimumWidth(380);
        slot.file->setStyleSheet(QStringLiteral("QLineEdit { color: #808080; }"));
        slot.erase = new QToolButton(group);
        slot.erase->setObjectName(QStringLiteral("imgCancella") + suffix);
        slot.erase->setIcon(eraseIcon);
        slot.erase->setIconSize(QSize(20, 20));
        slot.erase->setAutoRaise(true);
        slot.erase->setCursor(Qt::PointingHandCursor);
        slot.erase->setFocusPolicy(Qt::NoFocus);
        slot.erase->setToolTip(QStringLiteral(
            "Toglie il file da questa casella (il file resta nella cartella degli allegati)."));
        slot.browse = new QPushButton(QStringLiteral("Sfoglia..."), group);
        slot.browse->setObjectName(QStringLiteral("btnSfoglia") + suffix);
        slot.open = new QPushButton(QStringLiteral("Apri"), group);
        slot.open->setObjectName(QStringLiteral("btnApri") + suffix);
        slot.open->setEnabled(false);
        slot.description = new QLineEdit(group);
        slot.description->setObjectName(QStringLiteral("txtDesc") + suffix);
        slot.description->setMaxLength(kNameCapacity);

        auto* fileLabel = new QLabel(QStringLiteral("Nome %1 file allegato:").arg(ordinal), group);
        fileLabel->setBuddy(slot.file);
        auto* descLabel =
            new QLabel(QStringLiteral("Descrizione %1 file allegato:").arg(ordinal), group);
        descLabel->setBuddy(slot.description);
        grid->addWidget(fileLabel, 0, 0, 1, 4);
        grid->addWidget(slot.file, 1, 0);
        grid->addWidget(slot.erase, 1, 1);
        grid->addWidget(slot.browse, 1, 2);
        grid->addWidget(slot.open, 1, 3);
        grid->addWidget(descLabel, 2, 0, 1, 4);
        grid->addWidget(slot.description, 3, 0, 1, 4);
        outer->addWidget(group);

        connect(slot.file, &QLineEdit::textChanged, this, [open = slot.open](const QString& name) {
            open->setEnabled(!text::trimBlanks(name).isEmpty());
        });
        connect(slot.erase, &QToolButton::clicked, this, [file = slot.file] { file->clear(); });
        connect(slot.browse, &QPushButton::clicked, this, [this, k] { attach(k); });
        connect(slot.open, &QPushButton::clicked, this, [this, k] { openAttached(k); });
    }

    const OkCancelButtons buttons =
        addOkCancelRow(this, outer, QStringLiteral("btnApplica"),
                       QStringLiteral("Applica e chiudi"), ButtonRow::Right);
    connect(buttons.ok, &QPushButton::clicked, this, &TfrmAllegaCartella::applyAndClose);
}

void TfrmAllegaCartella::showFor(CardWindow* card, const QString& tag) {
    TfrmAllegaCartella window(card);
    window.setMemory(tag);
    const auto labelText = [card](const char* name) {
        const auto* label = qobject_cast<const QLabel*>(card->control(QString::fromLatin1(name)));
        return label ? text::trimBlanks(label->text()) : QString();
    };
    for (int k = 0; k < int(kAttachmentSlots.size()); ++k) {
        const AttachmentSlot& slot = kAttachmentSlots[std::size_t(k)];
        window.setSlot(k, labelText(slot.fileLabel), labelText(slot.descriptionLabel));
    }
    window.exec();
}

void TfrmAllegaCartella::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    adjustSize();
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
}

void TfrmAllegaCartella::setSlot(int k, const QString& file, const QString& description) {
    slots_.at(k).file->setText(file);
    slots_.at(k).description->setText(description);
}

void TfrmAllegaCartella::attach(int k) {
    const QString source =
        seams::desktop().openFileName(QStringLiteral("Selezionare il file da allegare:"), QString(),
                                      QStringLiteral("Tutti i file (*.*)"));
    if (source.isEmpty()) return;
    const QString name = attachments::storableName(QFileInfo(source).fileName());
    if (name.size() > kNameCapacity) {
        seams::messages().warning(
            QStringLiteral("Attenzione: il nome del file scelto supera i %1 caratteri.\r\n\r\n"
                           "Rinominare il file prima di allegarlo alla scheda.")
                .arg(kNameCapacity));
        return;
    }
    QLineEdit* file = slots_.at(k).file;
    // Chosen from the folder itself: it is already there.
    if (attachments::isInFolder(source, name)) return file->setText(name);
    if (attachments::exists(name) &&
        !seams::messages().confirm(QStringLiteral(
            "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
            "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"))) {
        // The slot now names the file already in the folder.
        return file->setText(name);
    }
    if (!attachments::copyIn(source, name)) {
        seams::messages().error(
            QStringLiteral("Attenzione: non è stato possibile copiare il file %1 nella cartella "
                           "dei documenti allegati.\r\n\r\nIl file non è stato allegato alla "
                           "scheda. Accertarsi che il file sia leggibile e di possedere i "
                           "privilegi di scrittura nella cartella di installazione del "
                           "programma.")
                .arg(quoted(name)));
        return;
    }
    file->setText(name);
}

void TfrmAllegaCartella::openAttached(int k) {
    const QString name = text::trimBlanks(slots_.at(k).file->text());
    if (name.isEmpty()) return;
    if (!attachments::isBareFileName(name) ||
        (attachments::exists(name) && !attachments::resolvesInFolder(name))) {
        seams::messages().warning(
            QStringLiteral("Attenzione: il nome del file allegato %1 non è valido.\r\n\r\nSi "
                           "possono aprire soltanto i file contenuti nella cartella dei documenti "
                           "allegati, indicati con il solo nome.")
                .arg(quoted(name)));
        return;
    }
    if (!attachments::exists(name)) {
        seams::messages().warning(
            QStringLiteral("Attenzione: il file %1 non è presente nella cartella dei documenti "
                           "allegati.")
                .arg(quoted(name)));
        return;
    }
    seams::desktop().shellOpen(quoted(QDir::toNativeSeparators(attachments::pathOf(name))));
}

void TfrmAllegaCartella::applyAndClose() {
    CardWindow* card = cardTagged(lblMemory);
    if (!card) return;
    for (std::size_t k = 0; k < kAttachmentSlots.size(); ++k) {
        card->setFieldText(QString::fromLatin1(kAttachmentSlots[k].fileLabel),
                           text::trimBlanks(slots_[k].file->text()));
        card->setFieldText(QString::fromLatin1(kAttachmentSlots[k].descriptionLabel),
                           text::trimBlanks(slots_[k].description->text()));
    }
    accept();
}
