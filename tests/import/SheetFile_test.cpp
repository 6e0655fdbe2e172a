#include "import/SheetFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Archives.h"
#include "base/Paths.h"
#include "import/ImportFile.h"
#include "records/RecordCodec.h"
#include "support/CommandRun.h"

// Workbooks as LibreOffice, Excel 97 and openpyxl save them, read as the
// import reads them. The fixtures are made by
// tests/import/fixtures/make_fixtures.sh from soci.fods, beside the fuzz
// cases' folder.
namespace {

QString fixture(const char* name) {
    return QDir::cleanPath(QStringLiteral(SELVADORO_FUZZ_CASES "/../../import/fixtures/") +
                           QString::fromLatin1(name));
}

struct SheetCase {
    const char* file;
    // FreeXL gives neither merged cells nor the stored values of formulas.
    bool merges;
    bool formulas;
};

class WorkbookFixture : public ::testing::TestWithParam<SheetCase> {};

TEST_P(WorkbookFixture, TypedCellsBecomeTheCardsTexts) {
    const importfile::Table table = importfile::read(fixture(GetParam().file));
    ASSERT_TRUE(table.ok) << table.error.toStdString();
    // The titles are the first row with data, below two blank rows; the
    // empty first sheet is passed over.
    EXPECT_EQ(table.header,
              (QStringList{"Cognome", "Nome", "Nato il", "Luogo di nascita", "Prov.", "C.A.P.",
                           "Città", "Prov.", "Cell.", "E-mail", "Cod. fiscale", "Quota",
                           "Iscritto dal", "Squadra", "Annotazioni"}));
    ASSERT_EQ(table.rows.size(), 3);
    EXPECT_EQ(table.rows.at(0).line, 4);
    EXPECT_EQ(table.rows.at(0).cells,
              (QStringList{"Rossi", "Mario", "02/03/1970", "Arezzo", "AR", "6012",
                           "Città di Castello", "PG", "3331234567", "mario.rossi@esempio.it",
                           "RSSMRA70C02A390X", "120,5", "15/01/2020", "Alfa", "Nota con  spazi"}));
    // A formula gives its stored value; the merged cell its value.
    EXPECT_EQ(table.rows.at(1).cells,
              (QStringList{"Bianchi", "Lucia", "31/12/1985", "Perugia", "PG", "6121", "Perugia",
                           "PG", "347 000 0000", "lucia@esempio.it", "BNCLCU85T71G478Z",
                           GetParam().formulas ? "125,25" : "", "30/06/2021",
                           GetParam().merges ? "Alfa" : "", "Èlite, àccènti e “virgolette”"}));
    EXPECT_EQ(table.rows.at(2).line, 6);
    EXPECT_EQ(table.rows.at(2).cells.mid(0, 6),
              (QStringList{"Verdi", "Anna", "05/01/1904", "Gubbio", "PG", "06024"}));
    EXPECT_EQ(table.rows.at(2).cells.mid(11, 3), (QStringList{"0", "29/02/2024", "Beta"}));
}

INSTANTIATE_TEST_SUITE_P(
    LibreOffice, WorkbookFixture,
    ::testing::Values(SheetCase{"soci.xlsx", true, true}, SheetCase{"soci.ods", true, true},
                      SheetCase{"soci.xls", false, false}),
    [](const auto& testCase) {
        return QString::fromLatin1(testCase.param.file).replace(u'.', u'_').toStdString();
    });

TEST(SheetCells, NumbersAndSerialDatesAsTheCardWritesThem) {
    EXPECT_EQ(sheetfile::numberText(6012), "6012");
    EXPECT_EQ(sheetfile::numberText(3331234567.0), "3331234567");
    EXPECT_EQ(sheetfile::numberText(120.5), "120,5");
    EXPECT_EQ(sheetfile::numberText(0.1 + 0.2), "0,3");
    EXPECT_EQ(sheetfile::numberText(-1234.25), "-1234,25");
    EXPECT_EQ(sheetfile::serialDateText(25629, false), "02/03/1970");
    EXPECT_EQ(sheetfile::serialDateText(61, false), "01/03/1900");
    EXPECT_EQ(sheetfile::serialDateText(59, false), "28/02/1900");
    EXPECT_EQ(sheetfile::serialDateText(0, true), "01/01/1904");
    EXPECT_EQ(sheetfile::serialDateText(24107, true), "01/01/1970");
    EXPECT_EQ(sheetfile::serialDateText(0.75, false), "18:00");
}

TEST(SheetCells, TheDayCountOf1904IsTheWorkbooks) {
    const importfile::Table table = importfile::read(fixture("soci1904.xlsx"));
    ASSERT_TRUE(table.ok) << table.error.toStdString();
    ASSERT_EQ(table.rows.size(), 1);
    // Inline strings, a date in the 1904 count.
    EXPECT_EQ(table.rows.at(0).cells, (QStringList{"Neri", "Eva", "20/05/1975", "06100"}));
}

class SheetImport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
    }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile f(folder.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir folder;
};

// The members' sheet, titled as a secretary titles it, imported with no
// mapping at all: every column finds its field, the CAPs their zero.
TEST_F(SheetImport, ASecretarysWorkbookComesInWithoutAMapping) {
    // The sheet has no permit: its dates, which the card wants, for every row.
    const CommandResult run =
        runCommand({"importa", "anagrafica", "--file", fixture("soci.xlsx"), "--valore",
                    "Rilasciato il=10/01/2024", "--valore", "Scade il=10/01/2029"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString() << run.out.toStdString();
    for (const char* line :
         {"colonna 5 Prov.: Prov. (nascita)\n", "colonna 8 Prov.: Prov. (residenza)\n",
          "colonna 6 C.A.P.: CAP\n", "colonna 13 Iscritto dal: Data iscrizione\n",
          "colonna 15 Annotazioni: Note\n",
          "CAP completati con lo zero iniziale (il foglio li teneva come numeri): 2\n",
          "Schede importate: 3 (dalla n. 1 alla n. 3).\n"}) {
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(line))) << line << run.out.toStdString();
    }
    const ArchiveDefinition& hunters = *archives::named(QStringLiteral("anagrafica"));
    const QByteArray stored = bytesOf(hunters.recordFile());
    ASSERT_EQ(stored.size(), 3 * hunters.layout->recordSize());
    const FieldValues first =
        codec::decode(*hunters.layout, stored.left(hunters.layout->recordSize()));
    const auto field = [&](const char16_t* name) {
        return first.at(hunters.layout->indexOfField(name)).trimmed();
    };
    EXPECT_EQ(field(u"DataNasc"), "02/03/1970");
    EXPECT_EQ(field(u"CittaNasc"), "Arezzo");
    EXPECT_EQ(field(u"StatoNasc"), "AR");
    EXPECT_EQ(field(u"Cap"), "06012");
    EXPECT_EQ(field(u"ComuneRes"), "Città di Castello");
    EXPECT_EQ(field(u"ProvRes"), "PG");
    EXPECT_EQ(field(u"TelCel"), "3331234567");
    EXPECT_EQ(field(u"CodFisc"), "RSSMRA70C02A390X");
    EXPECT_EQ(field(u"Totale"), "120,50");
    EXPECT_EQ(field(u"ScadePer"), "15/01/2020");
    EXPECT_EQ(field(u"Permesso"), "Alfa");
}

// Files that cannot be read are refused with their cause; nothing is
// written.
TEST_F(SheetImport, BadWorkbooksAreRefusedWithTheirCause) {
    const QByteArray whole = bytesOf(fixture("soci.xlsx"));
    // An OLE compound file holding an encrypted package, as a workbook
    // saved with a password is.
    QByteArray locked("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    locked += QByteArray(504, '\0');
    const QString name = QStringLiteral("EncryptionInfo");
    locked += QByteArray(reinterpret_cast<const char*>(name.utf16()), name.size() * 2);
    locked += QByteArray(1024, '\0');
    struct Bad {
        QString file;
        const char* message;
    };
    const Bad cases[] = {
        {write("troncato.xlsx", whole.left(whole.size() / 2)),
         "non si può leggere come foglio di calcolo"},
        {write("protetto.xlsx", locked), "è protetto da password"},
        {write("rotto.xls",
               QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(600, 'x')),
         "il file è danneggiato o non è un file Excel"},
        {write("senzatitoli.csv", "Rossi;Mario;01/02/1970\r\nBianchi;Lucia;02/03/1971\r\n"),
         "non ha i titoli delle colonne"},
    };
    const ArchiveDefinition& hunters = *archives::named(QStringLiteral("anagrafica"));
    for (const Bad& bad : cases) {
        const CommandResult run = runCommand({"importa", "anagrafica", "--file", bad.file});
        EXPECT_EQ(run.status, 1) << bad.file.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(bad.message))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Nessuna scheda importata.")));
        EXPECT_FALSE(QFile::exists(hunters.recordFile())) << bad.file.toStdString();
    }
}

}  // namespace
