#include "weapons/TfrmArmi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

#include "base/FileErrors.h"
#include "base/GuiShell.h"
#include "base/ImageFiles.h"
#include "base/Paths.h"
#include "base/ReplaceFile.h"
#include "base/Seams.h"
#include "checks/GuiCheckers.h"
#include "hunters/HunterLists.h"
#include "weapons/TRecArma.h"
#include "weapons/TfrmZoom.h"
#include "weapons/WeaponCard.h"
#include "weapons/WeaponHelp.h"
#include "weapons/WeaponLists.h"
#include "weapons/WeaponPhoto.h"
#include "weapons/WeaponSheet.h"

namespace {

using F = TRecArma::Field;
using K = CardFieldKind;

// A picture file is read whole when it is chosen, to be stored as it is;
// anything larger is no photograph.
constexpr qint64 kMaxPictureFile = 256 * 1024 * 1024;

// Pictures that are not JPEG files are stored as JPEG no larger than this.
constexpr QSize kLargestStored{4096, 4096};

// The hunters' search writes the chosen hunter's name, codice fiscale and
// preferred telephone into the owner's fields.
const PickerMode& ownerPicker() {
    static const PickerMode mode{"armi",
                                 "TfrmArmi",
                                 false,
                                 {{"txtProprietario", hunters::surnameAndName()},
                                  {"txtCodFisc", hunters::taxCode()},
                                  {"txtRecapito", hunters::preferredPhone()}}};
    return mode;
}

CardDefinition weaponCard() {
    return CardDefinition{
        .windowName = "TfrmArmi",
        .tag = "armi",
        .caption = QStringLiteral(" Selvadoro - Schedario Armi"),
        .layout = &TRecArma::layout(),
        .fields = weapons::cardRules().fields,
        .saveHint = QStringLiteral("Salva la scheda in archivio."),
        // Alice blue at rest, yellow with the focus, a sky-blue border.
        .fills = FieldFills{"#F0F8FF", "#FFFF00", "#87CEEB"},
        .check = weapons::cardRules().check,
    };
}

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A name for the saved photo: one without a picture extension gets ".jpg".
QString withJpegExtension(const QString& name) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return name;
    return name + QStringLiteral(".jpg");
}

}  // namespace

const SheetPrinting& TfrmArmi::sheetPrinting() {
    static const SheetPrinting printing{nullptr, "TfrmStampaArma", &weapons::weaponSheetOfTexts,
                                        weapons::kSheetPicture};
    return printing;
}

TfrmArmi::TfrmArmi(QWidget* parent) : CardWindow(weaponCard(), parent) {
    addToolGroup({newTool(), duplicateTool(), saveTool(), findTool(weapons::search())});
    addToolGroup({attachTool(QStringLiteral("Allega file alla scheda.")),
                  {"cmdStampa", "stampa", QStringLiteral("Stampa la scheda."), [this] {
                       SheetPrintWindow::showFor(this, sheetPrinting(),
                                                 SheetPrintWindow::Mode::Print);
                   }}});
    addNavigationGroup();
    addToolGroup({exportTool(weapons::exporter()),
                  summaryTool("cmdSegnalati", "vendita",
                              QStringLiteral("Visualizza il riepilogo delle armi in vendita."),
                              weapons::forSaleSummary())});
    addToolGroup({guideTool(weapons::cardTopic()), exitTool()});

    addPickerButton("impCacciatore",
                    QStringLiteral("Importa i dati dall'archivio anagrafico dei cacciatori."),
                    hunters::search(), ownerPicker());
    addFieldButton(
        {"btnCodFisc", "controlla", QStringLiteral("Controlla il codice fiscale."), [this] {
             checks::showCodiceFiscaleChecker(controlText(QStringLiteral("txtCodFisc")), this);
         }});
    addFieldButton({"btnCaricaFoto", "carica", QStringLiteral("Carica una foto esistente."),
                    [this] { choosePhoto(); }});
    addFieldButton({"btnSalvaFoto", "salva", QStringLiteral("Salva la foto su disco."),
                    [this] { savePhotoAs(); }});
    addFieldButton(
        {"btnCancFoto", "cancella", QStringLiteral("Cancella la foto."), [this] { clearPhoto(); }});
    addFieldButton({"btnZoomFoto", "zoom",
                    QStringLiteral("Visualizza la foto nelle sue dimensioni reali."),
                    [this] { zoomPhoto(); }});

    // The photo frame, with the preview and the hidden placeholder.
    auto* frame = new QFrame(cardPanel());
    frame->setObjectName(QStringLiteral("shpFoto"));
    frame->setStyleSheet(
        QStringLiteral("QFrame#shpFoto { background: white; border: 1px solid #87CEEB; }"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    imgFoto_ = new QLabel(frame);
    imgFoto_->setObjectName(QStringLiteral("imgFoto"));
    imgFoto_->setFixedSize(weapons::kPreviewSize);
    imgFoto_->setAlignment(Qt::AlignCenter);
    frameLayout->addWidget(imgFoto_);
    frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    imgBianco_ = new QLabel(this);
    imgBianco_->setObjectName(QStringLiteral("imgBianco"));
    imgBianco_->setPixmap(QPixmap::fromImage(weapons::placeholderPicture()));
    imgBianco_->hide();

    auto* price = qobject_cast<QLineEdit*>(control(F::Prezzo));
    QFont priceFont = price->font();
    priceFont.setPointSize(16);
    price->setFont(priceFont);
    price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    layOutColumns({
        {.rows =
             {
                 {LayoutWidget{frame}},
                 {LayoutButton{"btnCaricaFoto"},
                  LayoutButton{"btnSalvaFoto"},
                  LayoutButton{"btnCancFoto"},
                  LayoutButton{"btnZoomFoto"},
                  {F::Prezzo, "999999999999,99"}},
                 {LayoutBox{F::InVendita, "vendita"}},
                 {F::Note},
             },
         .stretch = 1},
        {.rows =
             {
                 {LayoutWidget{
                     titlePicture(cardPanel(), "armi", QStringLiteral("Scheda tecnica arma")), 1}},
                 {F::Arma},
                 {F::Accessori},
                 {F::Calibro},
                 {F::Anno},
                 {F::Matricola, F::Peso},
                 {F::Componenti},
                 {F::Dimensioni},
                 {F::Munizioni},
                 {F::Luogo},
                 {F::Proprietario, LayoutButton{"impCacciatore"}},
                 {{F::CodFisc, "WWWWWWWWWWWWWWWW"}, LayoutButton{"btnCodFisc"}},
                 {{F::Recapito, "000000000000000000000000000000"}},
             },
         .stretch = 1},
    });
    finishLayout();
    showPlaceholder(false);
}

QImage TfrmArmi::picture(const QSize& box) const {
    switch (photo_) {
        case Photo::Stored:
            return weapons::storedPicture(storedNumber_, box);
        case Photo::Chosen: {
            const QImage chosen = images::decodeFitting(chosen_, box);
            if (!chosen.isNull()) return chosen;
            break;
        }
        case Photo::Placeholder:
            break;
    }
    return weapons::placeholderPicture();
}

void TfrmArmi::showPreview(const QImage& picture) {
    imgFoto_->setPixmap(QPixmap::fromImage(
        picture.scaled(weapons::kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmArmi::showPlaceholder(bool changed) {
    photo_ = Photo::Placeholder;
    chosen_.clear();
    photoChanged_ = changed;
    showPreview(weapons::placeholderPicture());
}

void TfrmArmi::recordShown(qsizetype number) {
    // The photo file of that number, or the placeholder when there is
    // none or it cannot be read; nothing is written until Save.
    weapons::ensurePhotoFolder();
    const QImage stored = images::readFitting(weapons::photoPath(number), weapons::kPreviewSize);
    photo_ = Photo::Stored;
    storedNumber_ = number;
    storedReadable_ = !stored.isNull();
    chosen_.clear();
    photoChanged_ = false;
    showPreview(storedReadable_ ? stored : weapons::placeholderPicture());
}

void TfrmArmi::cardCleared() {
    showPlaceholder(false);
}

void TfrmArmi::cardDuplicated() {
    // A duplicate starts without photo.
    showPlaceholder(false);
}

QByteArray TfrmArmi::photoJpeg(QString* error) const {
    switch (photo_) {
        case Photo::Placeholder:
            return weapons::placeholderJpeg();
        case Photo::Stored: {
            if (!storedReadable_) return weapons::placeholderJpeg();
            QFile file(weapons::photoPath(storedNumber_));
            if (!file.open(QIODevice::ReadOnly)) {
                *error = fileerror::of(file);
                return {};
            }
            const QByteArray bytes = file.readAll();
            if (images::formatOf(bytes) == "jpeg") return bytes;
            return images::encodeJpeg(images::decodeFitting(bytes, kLargestStored, error));
        }
        case Photo::Chosen: {
            // A chosen JPEG is stored as its own bytes, never re-encoded.
            if (images::formatOf(chosen_) == "jpeg") return chosen_;
            const QImage decoded = images::decodeFitting(chosen_, kLargestStored, error);
            return decoded.isNull() ? QByteArray() : images::encodeJpeg(decoded);
        }
    }
    return {};
}

bool TfrmArmi::recordStored(qsizetype number, bool appended) {
    const QString path = weapons::photoPath(number);
    const bool folderMade = weapons::ensurePhotoFolder();
    if (!appended && !photoChanged_ && QFileInfo::exists(path)) return true;

    QString error;
    QByteArray bytes = folderMade ? photoJpeg(&error) : QByteArray();
    if (!folderMade)
        error = QStringLiteral("impossibile creare la cartella ") +
                nativePath(QFileInfo(path).absolutePath());
    if (!bytes.isEmpty() && replaceFile(path, bytes, &error)) {
        photoChanged_ = false;
        if (photo_ != Photo::Placeholder) {
            photo_ = Photo::Stored;
            storedNumber_ = number;
            storedReadable_ = true;
            chosen_.clear();
        }
        return true;
    }
    // The record is stored; the picture stays on the card, and the next
    // Save tries again.
    photoChanged_ = true;
    seams::messages().warning(
        QStringLiteral("Attenzione: la scheda è stata salvata in archivio, ma non è stato "
                       "possibile salvare la foto dell'arma nel file ") +
        nativePath(path) + QStringLiteral(" (") + error +
        QStringLiteral(").\n\r\n\rLa foto resta visibile nella scheda: premere di nuovo Salva "
                       "per riprovare."));
    return false;
}

void TfrmArmi::choosePhoto() {
    const QString path = seams::desktop().openFileName(
        QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
        paths::dataFolder(),
        QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (path.isEmpty()) return;
    QFile file(path);
    QString error;
    QByteArray bytes;
    if (!file.open(QIODevice::ReadOnly)) {
        error = fileerror::of(file);
    } else if (file.size() > kMaxPictureFile) {
        error = QStringLiteral("il file è troppo grande per essere una foto");
    } else {
        bytes = file.readAll();
    }
    const QImage preview =
        bytes.isEmpty() ? QImage() : images::decodeFitting(bytes, weapons::kPreviewSize, &error);
    if (preview.isNull()) {
        seams::messages().warning(
            QStringLiteral("Attenzione: non è stato possibile leggere l'immagine ") +
            nativePath(path) + QStringLiteral(" (") + error +
            QStringLiteral(").\n\r\n\rLa foto della scheda non è stata cambiata."));
        return;
    }
    photo_ = Photo::Chosen;
    chosen_ = bytes;
    photoChanged_ = true;
    showPreview(preview);
}

void TfrmArmi::savePhotoAs() {
    const QString chosen = seams::desktop().saveFileName(
        QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
        paths::dataFile(QStringLiteral("Foto.jpg")), QStringLiteral("File Jpeg (*.jpg)"));
    if (chosen.isEmpty()) return;
    // The dialog asks before replacing the file it was given; a name that
    // gets its extension here is asked about here.
    const QString path = withJpegExtension(chosen);
    if (path != chosen && QFileInfo::exists(path) &&
        !seams::messages().confirm(QStringLiteral("Il file ") + nativePath(path) +
                                   QStringLiteral(" esiste già.\n\r\n\rSostituirlo?"))) {
        return;
    }
    QString error;
    const QByteArray bytes = photoJpeg(&error);
    if (bytes.isEmpty() || !replaceFile(path, bytes, &error)) {
        seams::messages().warning(
            QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file ") +
            nativePath(path) + QStringLiteral(" (") + error + QStringLiteral(")."));
    }
}

void TfrmArmi::clearPhoto() {
    showPlaceholder(true);
}

void TfrmArmi::zoomPhoto() {
    TfrmZoom zoom([this](const QSize& box) { return picture(box); }, this);
    zoom.exec();
}
