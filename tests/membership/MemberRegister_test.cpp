#include "membership/MemberRegister.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/Paths.h"
#include "membership/Membership.h"
#include "records/RecordCodec.h"
#include "records/RecordFile.h"
#include "support/HunterArchive.h"
#include "support/PdfText.h"

namespace {

const QString kSeason = QStringLiteral("2026/2027");

// A register of `count` hunters admitted on the first of March 2026, the
// third born in Prato; the second leaves on the 10th of March 2027.
class MemberRegister : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
    }
    void store(int count) {
        QList<QByteArray> records;
        for (int i = 1; i <= count; ++i) {
            HunterBytes bytes;
            bytes.set(HunterBytes::Cognome, "Socio" + QByteArray::number(i).rightJustified(2, '0'))
                .set(HunterBytes::Nome, "Ugo")
                .set(HunterBytes::CodFisc, "CF" + QByteArray::number(i))
                .set(HunterBytes::ScadePer, i == count ? "01/06/2027" : "01/03/2026")
                .set(HunterBytes::Indirizzo, "Via Roma " + QByteArray::number(i))
                .set(HunterBytes::Cap, "59100")
                .set(HunterBytes::ComuneRes, "Prato")
                .set(HunterBytes::ProvRes, "PO");
            if (i == 3)
                bytes.set(HunterBytes::DataNasc, "02/05/1970").set(HunterBytes::CittaNasc, "Prato");
            records.append(bytes.bytes);
        }
        QFile file(dir.filePath(QStringLiteral("Cacciatori.pro")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QByteArray& record : records) file.write(record);
        file.close();
        ASSERT_TRUE(membership::renew(kSeason).outcome.done());
        QList<membership::Stored> stored;
        ASSERT_TRUE(membership::readSeason(kSeason, &stored, nullptr));
        TRecTessera left = stored.at(1).card;
        left.DataUscita = QStringLiteral("10/03/2027");
        left.Motivo = QStringLiteral("decesso");
        RecordFile season(membership::seasonFile(kSeason), membership::kRecordSize);
        ASSERT_TRUE(season.open(RecordFile::Access::Write));
        ASSERT_TRUE(season.writeAt(1, codec::encode(TRecTessera::layout(), left.toValues())));
    }
    QString pdf(const QDate& at) {
        const QString path = dir.filePath(QStringLiteral("libro.pdf"));
        QString error;
        const membership::Register data = membership::readRegister(at);
        EXPECT_TRUE(data.ok) << data.error.toStdString();
        EXPECT_TRUE(membership::writeRegisterPdf(data, at, path, &error)) << error.toStdString();
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(MemberRegister, EveryPageIsNumberedOfTheWhole) {
    const int count = membership::kRegisterRowsPerPage * 2 + 2;
    store(count);
    const QString path = pdf(QDate(2027, 12, 31));
    ASSERT_EQ(pdfPageCount(path), 3);
    // Landscape A4: 297 x 210 mm, in points.
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("size:\\s+([0-9.]+) x ([0-9.]+)")).match(pdfInfo(path));
    ASSERT_TRUE(size.hasMatch()) << pdfInfo(path).toStdString();
    EXPECT_NEAR(size.captured(1).toDouble(), 841.89, 1);
    EXPECT_NEAR(size.captured(2).toDouble(), 595.28, 1);
    for (int page = 1; page <= 3; ++page) {
        const QString text = squeezeBlanks(pdfText(path, page));
        EXPECT_TRUE(text.contains(QStringLiteral("Pagina %1 di 3").arg(page))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Libro dei soci al 31/12/2027"))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("N. socio"))) << page;
    }
    // The rows run on from page to page, each member once.
    const QString first = pdfText(path, 1);
    const QString last = pdfText(path, 3);
    EXPECT_TRUE(first.contains(QStringLiteral("Socio01 Ugo")));
    EXPECT_FALSE(
        first.contains(QStringLiteral("Socio%1 Ugo").arg(membership::kRegisterRowsPerPage + 1)));
    EXPECT_TRUE(last.contains(QStringLiteral("Socio%1 Ugo").arg(count)));
}

TEST_F(MemberRegister, AtADateBeforeAnExitAndAfterIt) {
    store(4);
    // Before: three admitted (the fourth comes in June 2027), nobody out.
    const membership::Register before = membership::readRegister(QDate(2027, 3, 9));
    ASSERT_EQ(before.rows.size(), 3);
    EXPECT_EQ(before.rows.at(1).number, 2);
    EXPECT_TRUE(before.rows.at(1).exitDate.isEmpty());
    EXPECT_EQ(before.rows.at(2).birthDate, QStringLiteral("02/05/1970"));
    EXPECT_EQ(before.rows.at(2).birthPlace, QStringLiteral("Prato"));
    EXPECT_EQ(before.rows.at(2).residence, QStringLiteral("Via Roma 3, 59100 Prato (PO)"));
    EXPECT_EQ(before.rows.at(2).admission, QStringLiteral("01/03/2026"));
    const QString beforeText = squeezeBlanks(pdfText(pdf(QDate(2027, 3, 9))));
    EXPECT_FALSE(beforeText.contains(QStringLiteral("decesso")));
    EXPECT_TRUE(beforeText.contains(QStringLiteral("Libro dei soci al 09/03/2027")));

    // After: his exit shows, and he stays in the register.
    const membership::Register after = membership::readRegister(QDate(2027, 12, 31));
    ASSERT_EQ(after.rows.size(), 4);
    EXPECT_EQ(after.rows.at(1).exitDate, QStringLiteral("10/03/2027"));
    EXPECT_EQ(after.rows.at(1).exitReason, QStringLiteral("decesso"));
    const QString afterText = squeezeBlanks(pdfText(pdf(QDate(2027, 12, 31))));
    EXPECT_TRUE(afterText.contains(QStringLiteral("10/03/2027 decesso")))
        << afterText.toStdString();
    EXPECT_TRUE(afterText.contains(QStringLiteral("Socio04 Ugo")));
}

}  // namespace
