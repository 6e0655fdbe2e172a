#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The photographs of the weapons: one JPEG file per record number,
// "Schedario/Arma_<n>.jpg" in the data folder, bound to the number and
// never deleted.
namespace weapons {

// The size of the card's preview, and of the picture that stands for no
// photo.
inline constexpr QSize kPreviewSize{567, 378};

// "<data folder>/Schedario", the folder of the photos.
QString photoFolder();

// "<data folder>/Schedario/Arma_<n>.jpg".
QString photoPath(qsizetype number);

// Creates the photo folder (and any missing parent); false when it cannot.
bool ensurePhotoFolder();

// The picture that stands for no photo (567 x 378): a pale frame with the
// outline of a landscape in it.
const QImage& placeholderPicture();
// The same picture as the JPEG file a card without photo stores.
const QByteArray& placeholderJpeg();

// The stored photo of record `number`, decoded no larger than `box`; the
// placeholder when the file is missing or cannot be read. The photo folder
// is created first, as before every photo read.
QImage storedPicture(qsizetype number, const QSize& box);

}  // namespace weapons
