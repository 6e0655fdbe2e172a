#include "base/ImageFiles.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include "support/BigPhoto.h"

namespace {

QByteArray encoded(QSize size, const char* format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, format).write(image));
    return bytes;
}

// A JPEG whose frame header claims `size`: the bytes of a small picture
// with its dimensions rewritten.
QByteArray claimingSize(QSize size) {
    QByteArray bytes = encoded(QSize(16, 16), "jpeg");
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    EXPECT_GT(frame, 0);
    bytes[frame + 5] = char(size.height() >> 8);
    bytes[frame + 6] = char(size.height() & 0xFF);
    bytes[frame + 7] = char(size.width() >> 8);
    bytes[frame + 8] = char(size.width() & 0xFF);
    return bytes;
}

TEST(ImageFiles, DecodesPicturesNoLargerThanTheirBoxKeepingProportions) {
    const QSize box(567, 378);
    struct Case {
        const char* what;
        QByteArray bytes;
        QSize decoded;  // empty: no picture
    } cases[] = {
        {"small jpeg keeps its size", encoded(QSize(300, 200), "jpeg"), QSize(300, 200)},
        {"bitmap", encoded(QSize(300, 200), "bmp"), QSize(300, 200)},
        {"wide jpeg", encoded(QSize(2000, 500), "jpeg"), QSize(567, 141)},
        {"tall bitmap", encoded(QSize(500, 2000), "bmp"), QSize(94, 378)},
        {"absurd dimensions", claimingSize(QSize(65000, 65000)), QSize(0, 0)},
        {"no picture", QByteArray("non una foto"), QSize(0, 0)},
        {"empty", QByteArray(), QSize(0, 0)},
    };
    for (const Case& c : cases) {
        QString error;
        const QImage image = images::decodeFitting(c.bytes, box, &error);
        EXPECT_EQ(image.size(), c.decoded) << c.what;
        EXPECT_EQ(error.isEmpty(), !c.decoded.isEmpty()) << c.what << ": " << qPrintable(error);
    }
    EXPECT_EQ(images::formatOf(encoded(QSize(8, 8), "jpeg")), QByteArray("jpeg"));
    EXPECT_EQ(images::formatOf(encoded(QSize(8, 8), "bmp")), QByteArray("bmp"));
}

// A photograph larger than Qt decodes whole is read at the size asked.
TEST(ImageFiles, ReadsA48MegapixelPhotoAtTheSizeOfItsBox) {
    const QString big = bigPhotoPath();
    ASSERT_FALSE(big.isEmpty());
    QString error;
    const QImage image = images::readFitting(big, QSize(567, 378), &error);
    EXPECT_EQ(image.size(), QSize(504, 378)) << qPrintable(error);
    EXPECT_TRUE(
        images::readFitting(big + QStringLiteral(".manca"), QSize(10, 10), &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(ImageFiles, EncodesJpegsThatReadBackAsTheSamePicture) {
    QImage transparent(40, 30, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    const QByteArray bytes = images::encodeJpeg(transparent);
    EXPECT_EQ(images::formatOf(bytes), QByteArray("jpeg"));
    const QImage back = images::decodeFitting(bytes, QSize(100, 100));
    ASSERT_EQ(back.size(), QSize(40, 30));
    EXPECT_GT(back.pixelColor(20, 15).lightness(), 240);  // laid on white
}

}  // namespace
