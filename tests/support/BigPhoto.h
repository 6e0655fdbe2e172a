#pragma once

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>

// A photograph of 8000 x 6000 pixels (48 megapixels) as a JPEG file, made
// once per test program: larger than Qt decodes at full size. Red on the
// left half, blue on the right.
inline QString bigPhotoPath() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("grande.jpg"));
        QImage image(8000, 6000, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QPainter(&image).fillRect(0, 0, 4000, 6000, Qt::red);
        QImageWriter writer(file, "jpeg");
        writer.setQuality(30);
        return writer.write(image) ? file : QString();
    }();
    return path;
}
