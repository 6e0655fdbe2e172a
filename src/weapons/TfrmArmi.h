#pragma once

#include <QByteArray>

#include "windows/CardWindow.h"
#include "windows/SheetPrintWindow.h"

class QLabel;

// The weapon card " Selvadoro - Schedario Armi" over "Schedario_Armi.pro",
// with the weapon's photograph. The photo of record n is the file
// "Schedario/Arma_<n>.jpg"; the preview `imgFoto` shows it, a picture
// chosen on the card, or the placeholder `imgBianco` for none. Save
// writes the photo file only when the record is new, has no photo file
// yet, or its picture was chosen or cleared on the card, so that a stored
// photo is never re-encoded nor replaced by the placeholder because it
// could not be read.
class TfrmArmi : public CardWindow {
    Q_OBJECT

public:
    explicit TfrmArmi(QWidget* parent = nullptr);

    static const SheetPrinting& sheetPrinting();

    QImage picture(const QSize& box) const override;

    // The photo buttons.
    void choosePhoto();
    void savePhotoAs();
    void clearPhoto();
    void zoomPhoto();

protected:
    void recordShown(qsizetype number) override;
    void cardCleared() override;
    void cardDuplicated() override;
    bool recordStored(qsizetype number, bool appended) override;

private:
    // Where the picture shown comes from.
    enum class Photo {
        Placeholder,  // no photo
        Stored,       // the photo file of storedNumber_
        Chosen,       // chosen_, a picture file read whole
    };

    void showPlaceholder(bool changed);
    void showPreview(const QImage& picture);
    // The picture shown as the bytes of a JPEG file; empty when it cannot
    // be had.
    QByteArray photoJpeg(QString* error) const;

    QLabel* imgFoto_ = nullptr;
    QLabel* imgBianco_ = nullptr;
    Photo photo_ = Photo::Placeholder;
    qsizetype storedNumber_ = 0;
    bool storedReadable_ = false;
    QByteArray chosen_;
    // Chosen or cleared on the card since it was shown or last saved.
    bool photoChanged_ = false;
};
