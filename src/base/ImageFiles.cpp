#include "base/ImageFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "base/FileErrors.h"

namespace images {
namespace {

constexpr int kJpegQuality = 90;

// Why the reader could not give its picture, in Italian.
QString reasonOf(const QImageReader& reader) {
    using fileerror::Cause;
    switch (reader.error()) {
        case QImageReader::FileNotFoundError:
            return fileerror::text(Cause::Missing);
        case QImageReader::DeviceError:
            return fileerror::text(Cause::Unreadable);
        case QImageReader::UnsupportedFormatError:
            return fileerror::text(Cause::ImageFormat);
        case QImageReader::InvalidDataError:
        case QImageReader::UnknownError:
            break;
    }
    return fileerror::text(Cause::ImageDamaged);
}

QImage decode(QImageReader& reader, const QSize& box, QString* error) {
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.isEmpty()) {
        if (error) *error = reasonOf(reader);
        return {};
    }
    if (qint64(size.width()) * size.height() > kMaxPixels) {
        if (error) {
            *error = QStringLiteral("l'immagine misura %1 × %2 pixel, troppi per essere letta")
                         .arg(size.width())
                         .arg(size.height());
        }
        return {};
    }
    // A picture larger than its box is decoded straight at the box's size,
    // which JPEG does without ever holding the whole picture.
    const QSize target = fittingSize(size, box);
    if (target != size) reader.setScaledSize(target);
    QImage image = reader.read();
    if (image.isNull() && error) *error = reasonOf(reader);
    return image;
}

}  // namespace

QSize fittingSize(const QSize& size, const QSize& box) {
    if (!box.isValid() || box.isEmpty() ||
        (size.width() <= box.width() && size.height() <= box.height())) {
        return size;
    }
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage readFitting(const QString& path, const QSize& box, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = fileerror::of(file);
        return {};
    }
    QImageReader reader(&file);
    return decode(reader, box, error);
}

QImage decodeFitting(const QByteArray& bytes, const QSize& box, QString* error) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return decode(reader, box, error);
}

QByteArray formatOf(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&buffer);
}

QByteArray encodeJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    // A picture with transparency is laid on white, as it is shown.
    QImage opaque = image;
    if (image.hasAlphaChannel()) {
        opaque = QImage(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, image);
    }
    if (!writer.write(opaque)) return {};
    return bytes;
}

}  // namespace images
