#include "weapons/WeaponPhoto.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

#include "base/ImageFiles.h"
#include "base/Paths.h"

namespace weapons {
namespace {

const QString kFolder = QStringLiteral("Schedario");

QImage drawPlaceholder() {
    QImage image(kPreviewSize, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF8, 0xFF));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor line(0xB0, 0xC4, 0xDE);
    painter.setPen(QPen(line, 6));
    const QRectF frame(QPointF(183.5, 109), QSizeF(200, 160));
    painter.drawRoundedRect(frame, 12, 12);
    painter.setBrush(line);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(330, 150), 18, 18);
    QPainterPath hills;
    hills.moveTo(195, 258);
    hills.lineTo(255, 180);
    hills.lineTo(300, 230);
    hills.lineTo(325, 205);
    hills.lineTo(372, 258);
    hills.closeSubpath();
    painter.drawPath(hills);
    return image;
}

}  // namespace

QString photoFolder() {
    return paths::dataFile(kFolder);
}

QString photoPath(qsizetype number) {
    return paths::dataFile(kFolder + QStringLiteral("/Arma_") + QString::number(number) +
                           QStringLiteral(".jpg"));
}

bool ensurePhotoFolder() {
    return QDir().mkpath(paths::dataFile(kFolder));
}

const QImage& placeholderPicture() {
    static const QImage picture = drawPlaceholder();
    return picture;
}

const QByteArray& placeholderJpeg() {
    static const QByteArray bytes = images::encodeJpeg(placeholderPicture());
    return bytes;
}

QImage storedPicture(qsizetype number, const QSize& box) {
    ensurePhotoFolder();
    const QImage picture = images::readFitting(photoPath(number), box);
    return picture.isNull() ? placeholderPicture() : picture;
}

}  // namespace weapons
