#include "weapons/WeaponSheet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/BigPhoto.h"
#include "support/PdfText.h"
#include "weapons/TRecArma.h"
#include "weapons/WeaponPhoto.h"

namespace {

const QDateTime kNow(QDate(2024, 3, 7), QTime(10, 30, 5));
const QLocale kItalian(QLocale::Italian, QLocale::Italy);

// A card with every printed field filled: the notes and the long fields
// to their capacity, in words that can be found again.
TRecArma fullCard() {
    const auto words = [](const char* stem, int capacity) {
        QString value;
        for (int i = 0; value.size() + 10 <= capacity; ++i) {
            value += QStringLiteral("%1%2 ")
                         .arg(QString::fromLatin1(stem))
                         .arg(i, 2, 10, QLatin1Char('0'));
        }
        return value.trimmed();
    };
    TRecArma card;
    card.Arma = QStringLiteral("  Beretta 686 Silver Pigeon  ");
    card.Accessori = words("Acc", 250);
    card.Calibro = QStringLiteral("12");
    card.Anno = QStringLiteral("1998");
    card.Matricola = QStringLiteral("AB123456");
    card.Peso = QStringLiteral("3,2");
    card.Componenti = words("Comp", 250);
    card.Dimensioni = words("Dim", 250);
    card.Munizioni = words("Mun", 250);
    card.Luogo = QStringLiteral("Armadio blindato");
    card.Proprietario = QStringLiteral("Rossi Mario");
    card.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    card.Recapito = QStringLiteral("333 1234567");
    card.Note = words("Nota", 250);
    card.Prezzo = QStringLiteral("1250,50");
    card.InVendita = QStringLiteral("Sì");
    card.File01 = QStringLiteral("allegato.pdf");
    return card;
}

QString writeSheet(const report::Report& sheet, const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("arma.pdf"));
    QString error;
    EXPECT_TRUE(report::writePdf(report::prepare(sheet, kNow.date()), path, &error))
        << qPrintable(error);
    return path;
}

// One A4 portrait page that reads back with every label, every value whole
// (the long ones wrapped within their boxes), the footnote, and none of the
// design texts; the sale flag and the attachments are not printed.
TEST(WeaponSheet, PrintsEveryLabelAndEveryValueWholeOnOnePage) {
    const TRecArma card = fullCard();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = writeSheet(weapons::weaponSheet(card.toValues(), kNow, kItalian), folder);
    EXPECT_EQ(pdfPageSizes(path), QStringList{QStringLiteral("595x842")});
    const QString text = squeezeBlanks(pdfText(path));
    const QString joined = QString(text).replace(u'\n', u' ').simplified();
    for (const char* label : {"Beretta 686 Silver Pigeon",
                              "Valore:",
                              "1250,50",
                              "CALIBRO:",
                              "ANNO:",
                              "ACCESSORI:",
                              "MATRICOLA N.",
                              "PESO IN KG:",
                              "MUNIZIONI E SERBATOI:",
                              "DIMENSIONI:",
                              "COMPONENTI:",
                              "LUOGO CONSERVAZIONE:",
                              "PROPRIETARIO:",
                              "CODICE FISCALE:",
                              "TEL. PREFERENZIALE:",
                              "NOTE:",
                              "1998",
                              "AB123456",
                              "3,2",
                              "Armadio blindato",
                              "Rossi Mario",
                              "RSSMRA80A01H501U",
                              "333 1234567",
                              "Stampa eseguita in data 07/03/2024 alle ore 10:30:05"}) {
        EXPECT_TRUE(joined.contains(QString::fromUtf8(label))) << label << "\n" << qPrintable(text);
    }
    for (const QString& value :
         {card.Accessori, card.Componenti, card.Dimensioni, card.Munizioni, card.Note}) {
        for (const QString& word : value.split(u' ')) {
            EXPECT_TRUE(text.contains(word)) << qPrintable(word);
        }
    }
    for (const char* absent :
         {"SCHEDA TECNICA ARMA", "Data e ora stampa", "allegato.pdf", "Sì", "0,00"}) {
        EXPECT_FALSE(text.contains(QString::fromUtf8(absent))) << absent;
    }
    EXPECT_EQ(pdfImageCount(path), 1);
}

// The words of the boxes stay inside the page's printable width.
TEST(WeaponSheet, LongValuesStayWithinThePrintableArea) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = writeSheet(weapons::weaponSheet(fullCard().toValues(), kNow), folder);
    const double toPoints = 72.0 / 25.4;
    const QList<PdfWord> words = pdfWords(path);
    ASSERT_GT(words.size(), 100);
    for (const PdfWord& word : words) {
        EXPECT_GE(word.left, 10 * toPoints - 0.5) << qPrintable(word.text);
        EXPECT_LE(word.right, 200 * toPoints + 0.5) << qPrintable(word.text);
        EXPECT_LE(word.bottom, 287 * toPoints + 0.5) << qPrintable(word.text);
    }
}

// A photo of 48 megapixels is decoded at no more than 300 dpi of its box
// (188 x 112 mm) and embedded at that size; a missing or broken photo
// prints the placeholder.
TEST(WeaponSheet, EmbedsAHugePhotoAtNoMoreThan300DpiOfItsBox) {
    const QString big = bigPhotoPath();
    ASSERT_FALSE(big.isEmpty());
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    paths::setDataFolder(folder.path());
    ASSERT_TRUE(weapons::ensurePhotoFolder());
    ASSERT_TRUE(QFile::copy(big, weapons::photoPath(1)));
    QFile broken(weapons::photoPath(2));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xFF\xD8\xFF non una foto");
    broken.close();

    const QSize box = report::printPixels(QSizeF(report::mm(188), report::mm(112)));
    EXPECT_EQ(box, QSize(2221, 1323));
    const QImage decoded = weapons::storedPicture(1, box);
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), QSize(1764, 1323));
    EXPECT_EQ(decoded.pixelColor(10, 600).red() > 200, true);
    EXPECT_EQ(decoded.pixelColor(1750, 600).blue() > 200, true);
    for (qsizetype missing : {2, 3}) {
        EXPECT_EQ(weapons::storedPicture(missing, box), weapons::placeholderPicture()) << missing;
    }

    report::Report sheet = weapons::weaponSheet(fullCard().toValues(), kNow);
    ASSERT_TRUE(sheet.setPicture(QString::fromLatin1(weapons::kSheetPicture), decoded));
    const QString path = writeSheet(sheet, folder);
    const QList<QSize> images = pdfImageSizes(path);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images.front(), QSize(1764, 1323));
}

TEST(WeaponSheet, ShowsTheStandInPictureUntilTheCardsPictureIsSet) {
    report::Report sheet = weapons::weaponSheet(fullCard().toValues(), kNow);
    const report::PictureObject* picture =
        sheet.findPicture(QString::fromLatin1(weapons::kSheetPicture));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->image.size(), QSize(297, 184));
    EXPECT_NEAR(picture->rect.width(), report::mm(188), 0.01);
    EXPECT_NEAR(picture->rect.height(), report::mm(112), 0.01);
}

}  // namespace
