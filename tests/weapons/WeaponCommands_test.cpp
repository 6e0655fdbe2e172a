// The command line over the weapons' archive "Schedario_Armi.pro": search,
// export and the for-sale summary, compared with what the tests build
// themselves.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/BigPhoto.h"
#include "support/CommandRun.h"
#include "support/PdfText.h"
#include "support/SpreadsheetBytes.h"
#include "support/WeaponArchive.h"
#include "support/WriteFailure.h"

namespace {

class WeaponCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
    }
    QString archive() const { return dir.filePath(QStringLiteral("Schedario_Armi.pro")); }
    void store(const QList<TestWeapon>& weapons) { ASSERT_TRUE(writeWeapons(archive(), weapons)); }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A line of the weapons' lists, with its record number.
    static QString line(int record, const QString& make, const QString& calibre,
                        const QString& serial, const QString& owner, const QString& year,
                        const QString& value) {
        return QStringLiteral("%1\t%2  Cal. %3  Matr. %4  %5  Anno: %6  Valore: € %7\n")
            .arg(record)
            .arg(make.leftJustified(34, u' ', true), calibre.leftJustified(10, u' ', true),
                 serial.leftJustified(24, u' ', true), owner.leftJustified(28, u' ', true),
                 year.leftJustified(10, u' ', true), value);
    }

    QTemporaryDir dir;
};

const QList<TestWeapon> kWeapons{
    {.make = "Sauer 303",
     .calibre = "9,3x62",
     .serial = "S9",
     .owner = "Neri Ugo",
     .value = "3500,00",
     .forSale = "S\xEC"},
    {.make = "beretta 686",
     .calibre = "12",
     .year = "2015",
     .serial = "B1",
     .ammunition = "12/70",
     .owner = "Rossi Mario",
     .value = "1250,50",
     .forSale = "S\xEC"},
    {.make = "Benelli Raffaello",
     .calibre = "20",
     .serial = "B2",
     .ammunition = "20/70",
     .owner = "Rossi Luca",
     .value = "0,00"},
    {.make = "Franchi Affinity",
     .calibre = "12",
     .owner = "Verdi Anna",
     .value = "800,00",
     .forSale = "S"},
};

TEST_F(WeaponCommands, SearchListsTheWeaponsByMakeIgnoringCase) {
    store(kWeapons);
    const QString benelli =
        line(3, QStringLiteral("Benelli Raffaello"), QStringLiteral("20"), QStringLiteral("B2"),
             QStringLiteral("Rossi Luca"), QString(), QStringLiteral("0,00"));
    const QString beretta =
        line(2, QStringLiteral("beretta 686"), QStringLiteral("12"), QStringLiteral("B1"),
             QStringLiteral("Rossi Mario"), QStringLiteral("2015"), QStringLiteral("1250,50"));
    const CommandResult all = runCommand({QStringLiteral("cerca"), QStringLiteral("armi")});
    EXPECT_EQ(all.status, 0) << qPrintable(all.err);
    EXPECT_EQ(
        all.out,
        benelli + beretta +
            line(4, QStringLiteral("Franchi Affinity"), QStringLiteral("12"), QString(),
                 QStringLiteral("Verdi Anna"), QString(), QStringLiteral("800,00")) +
            line(1, QStringLiteral("Sauer 303"), QStringLiteral("9,3x62"), QStringLiteral("S9"),
                 QStringLiteral("Neri Ugo"), QString(), QStringLiteral("3500,00")));

    const CommandResult some =
        runCommand({QStringLiteral("cerca"), QStringLiteral("armi"),
                    QStringLiteral("Proprietario=ROSSI"), QStringLiteral("Munizioni=/70")});
    EXPECT_EQ(some.status, 0);
    EXPECT_EQ(some.out, benelli + beretta);

    const CommandResult both =
        runCommand({QStringLiteral("cerca"), QStringLiteral("armi"),
                    QStringLiteral("Proprietario=rossi"), QStringLiteral("Calibro=12")});
    EXPECT_EQ(both.out, beretta);

    // Only the ten criteria of the search window are fields of the command.
    for (const char* notACriterion : {"Prezzo=0", "InVendita=S", "Peso=3", "arma=sauer"}) {
        const CommandResult refused = runCommand(
            {QStringLiteral("cerca"), QStringLiteral("armi"), QString::fromLatin1(notACriterion)});
        EXPECT_EQ(refused.status, 2) << notACriterion;
        EXPECT_TRUE(refused.err.contains(
            QStringLiteral("Criterio non valido: %1 (campi: Arma, Accessori, Calibro, Anno, "
                           "Matricola, Munizioni, Proprietario, CodFisc, Luogo, Note)")
                .arg(QString::fromLatin1(notACriterion))))
            << qPrintable(refused.err);
        EXPECT_EQ(refused.out, QString());
    }
}

// Only "Sì" lists a weapon; the date given changes nothing.
TEST_F(WeaponCommands, TheForSaleSummaryListsTheWeaponsFlaggedYesWhateverTheDate) {
    store(kWeapons);
    const QString expected =
        line(2, QStringLiteral("beretta 686"), QStringLiteral("12"), QStringLiteral("B1"),
             QStringLiteral("Rossi Mario"), QStringLiteral("2015"), QStringLiteral("1250,50")) +
        line(1, QStringLiteral("Sauer 303"), QStringLiteral("9,3x62"), QStringLiteral("S9"),
             QStringLiteral("Neri Ugo"), QString(), QStringLiteral("3500,00"));
    const QStringList dates{QString(), QStringLiteral("01/01/1990"), QStringLiteral("31/12/2099")};
    for (const QString& date : dates) {
        QStringList args{QStringLiteral("riepilogo"), QStringLiteral("armi-in-vendita")};
        if (!date.isEmpty()) args += {QStringLiteral("--oggi"), date};
        const CommandResult r = runCommand(args);
        EXPECT_EQ(r.status, 0) << qPrintable(r.err);
        EXPECT_EQ(r.out, expected) << qPrintable(date);
    }
}

// Texts in Windows-1252, "<", ">" and "&" escaped, the attachments left
// out, a weapon saved as a new card with "0,00" and "No".
TEST_F(WeaponCommands, ExportWritesTheWeaponsSpreadsheetByteForByte) {
    store({{.make = " Beretta 686 ",
            .accessories = "custodia",
            .calibre = "12",
            .year = "2015",
            .serial = "A1",
            .weight = "3,2",
            .components = "canne",
            .dimensions = "71 cm",
            .ammunition = "12/70",
            .place = "Armadio citt\xE0",
            .owner = "Rossi Mario",
            .taxCode = "RSSMRA80A01H501U",
            .phone = "333 1234567",
            .note = "canne <76> & \x80 strozzatori",
            .value = "1250,50",
            .forSale = "S\xEC",
            .file01 = "/home/porto.pdf",
            .desc01 = "Porto d'armi"},
           {.make = "Benelli", .calibre = "20", .owner = "Bianchi Luca", .value = "0,00"}});
    const QByteArray expected =
        exportHead("Schedario Armi") + "<tr>" + headerCell("Marca e modello", 250) +
        headerCell("Accessori", 400) + headerCell("Calibro", 200) + headerCell("Anno", 200) +
        headerCell("Matricola n.", 250) + headerCell("Peso in kg", 250) +
        headerCell("Componenti", 400) + headerCell("Dimensioni", 300) +
        headerCell("Munizioni e serbatoi", 300) + headerCell("Luogo conservazione", 250) +
        headerCell("Proprietario", 250) + headerCell("Codice fiscale", 250) +
        headerCell("Tel. preferenziale", 250) + headerCell("Note", 400) +
        headerCell("Valore", 200) + headerCell("In vendita", 180) + "</tr>" +
        dataRow({"Beretta 686", "custodia", "12", "2015", "A1", "3,2", "canne", "71 cm", "12/70",
                 "Armadio citt\xE0", "Rossi Mario", "RSSMRA80A01H501U", "333 1234567",
                 "canne &lt;76&gt; &amp; \x80 strozzatori", "1250,50", "S\xEC"}) +
        dataRow({"Benelli", "", "20", "", "", "", "", "", "", "", "Bianchi Luca", "", "", "",
                 "0,00", "No"}) +
        "</table></body></html>";

    expectExportsAsBuilt(dir.path(), "armi", "Schedario_Armi.xls", 2, expected);
}

TEST_F(WeaponCommands, AMissingArchiveIsReportedAndNotCreated) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("cerca"), QStringLiteral("armi")},
          QStringList{QStringLiteral("esporta"), QStringLiteral("armi")},
          QStringList{QStringLiteral("riepilogo"), QStringLiteral("armi-in-vendita")}}) {
        const CommandResult r = runCommand(args);
        EXPECT_EQ(r.status, 1) << qPrintable(args.join(u' '));
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("Archivio non trovato: ") + archive()))
            << qPrintable(r.err);
        EXPECT_EQ(r.out, QString()) << qPrintable(args.join(u' '));
    }
    EXPECT_FALSE(QFile::exists(archive()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Schedario_Armi.xls"))));
}

// The for-sale summary never passes off an unreadable archive as an empty
// list: it says so and fails, as the search does.
TEST_F(WeaponCommands, ListsThatCannotReadTheArchiveFail) {
    store(kWeapons);
    QFile::setPermissions(archive(), QFile::ReadOwner);
    const WriteFailure readOnly(WriteFailure::Kind::ReadOnlyFolder, dir.path());
    if (!readOnly.possible()) GTEST_SKIP() << "permissions cannot be taken away here";
    for (const QStringList& args :
         {QStringList{QStringLiteral("riepilogo"), QStringLiteral("armi-in-vendita")},
          QStringList{QStringLiteral("cerca"), QStringLiteral("armi")}}) {
        const CommandResult r = runCommand(args);
        EXPECT_EQ(r.status, 1) << qPrintable(args.join(u' '));
        EXPECT_EQ(r.out, QString());
        EXPECT_TRUE(r.err.contains(QStringLiteral("Impossibile leggere l'archivio")))
            << qPrintable(r.err);
    }
}

TEST_F(WeaponCommands, TheUsageNamesTheWeaponsArchiveAndItsSummary) {
    const QStringList lines = commandline::usage().split(u'\n');
    const auto listed = [&](const QString& heading) {
        for (const QString& line : lines) {
            if (line.startsWith(heading))
                return line.mid(heading.size()).split(QStringLiteral(", "));
        }
        return QStringList();
    };
    EXPECT_TRUE(listed(QStringLiteral("Archivi: ")).contains(QStringLiteral("armi")));
    EXPECT_FALSE(
        listed(QStringLiteral("Archivi con documento RTF: ")).contains(QStringLiteral("armi")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  armi-in-vendita") + QString(11, u' ') +
                               QStringLiteral(" Riepilogo armi in vendita")));
}

// The guide's topics of the weapons, by their names.
TEST_F(WeaponCommands, TheGuidePrintsTheWeaponsTopics) {
    const CommandResult card = runCommand({QStringLiteral("guida"), QStringLiteral("armi")});
    EXPECT_EQ(card.status, 0) << qPrintable(card.err);
    EXPECT_TRUE(card.out.startsWith(QStringLiteral("App Schedario Armi\n") + QString(18, u'=') +
                                    QStringLiteral("\n\nL'app Schedario Armi permette")));
    const CommandResult exporting =
        runCommand({QStringLiteral("guida"), QStringLiteral("esporta-armi")});
    EXPECT_EQ(exporting.status, 0) << qPrintable(exporting.err);
    EXPECT_TRUE(exporting.out.startsWith(
        QStringLiteral("Esportazione schedario armi in Microsoft Excel\n")));
}

// `stampa armi N` prints record N's texts with its stored photo, decoded at
// no more than 300 dpi of its box; the placeholder stands in for a photo
// that is missing or cannot be read.
TEST_F(WeaponCommands, PrintWritesTheSheetWithTheStoredPhoto) {
    store(kWeapons);
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("Schedario"))));
    ASSERT_TRUE(QFile::copy(bigPhotoPath(), dir.filePath(QStringLiteral("Schedario/Arma_2.jpg"))));
    QFile broken(dir.filePath(QStringLiteral("Schedario/Arma_3.jpg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("non una foto");
    broken.close();
    struct Case {
        const char* number;
        const char* make;
        QSize photo;
    } cases[] = {
        {"2", "beretta 686", QSize(1764, 1323)},
        {"3", "Benelli Raffaello", QSize(567, 378)},
        {"1", "Sauer 303", QSize(567, 378)},
    };
    for (const Case& c : cases) {
        const QString pdf = dir.filePath(QStringLiteral("arma%1.pdf").arg(QLatin1String(c.number)));
        const CommandResult result =
            runCommand({QStringLiteral("stampa"), QStringLiteral("armi"),
                        QString::fromLatin1(c.number), QStringLiteral("--pdf"), pdf});
        EXPECT_EQ(result.status, 0) << qPrintable(result.err);
        const QString text = squeezeBlanks(pdfText(pdf));
        EXPECT_TRUE(text.contains(QString::fromLatin1(c.make))) << qPrintable(text);
        EXPECT_TRUE(text.contains(QStringLiteral("CALIBRO:")));
        EXPECT_EQ(pdfImageSizes(pdf), QList<QSize>{c.photo}) << c.number;
    }
}

}  // namespace
