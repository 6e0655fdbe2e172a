#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures read from files and from memory. A picture is decoded no larger
// than the size it is shown at, so that a photograph of many megapixels
// costs no more than its box; what cannot be decoded, and pictures of
// absurd dimensions, come back as a null image with the reason.
namespace images {

// The most pixels a picture may have before it counts as broken.
inline constexpr qint64 kMaxPixels = 400'000'000;

// The size a picture of `size` is decoded at to fit `box`: scaled down
// keeping its proportions, never up.
QSize fittingSize(const QSize& size, const QSize& box);

// Decodes a picture no larger than `box`. Null, with `error` set, when
// the data hold no picture or one of absurd dimensions.
QImage readFitting(const QString& path, const QSize& box, QString* error = nullptr);
QImage decodeFitting(const QByteArray& bytes, const QSize& box, QString* error = nullptr);

// The format the data are in ("jpeg", "bmp"...), empty when unknown.
QByteArray formatOf(const QByteArray& bytes);

// A picture encoded as a JPEG file (quality 90).
QByteArray encodeJpeg(const QImage& image);

}  // namespace images
