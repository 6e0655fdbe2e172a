#include "import/Importer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Archives.h"
#include "base/Cp1252.h"
#include "base/Paths.h"
#include "base/TextRules.h"
#include "export/ExportFormats.h"
#include "lists/Spreadsheet.h"
#include "records/RecordCodec.h"
#include "support/CommandRun.h"

namespace {

// Each test in an empty data folder.
class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path(name);
    }
    static QByteArray readAll(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir folder;
};

const ArchiveDefinition& archiveNamed(const char* name) {
    const ArchiveDefinition* archive = archives::named(QString::fromLatin1(name));
    EXPECT_NE(archive, nullptr) << name;
    return *archive;
}

// A cell as RFC 4180 writes it: quoted, its quotes doubled.
QByteArray csvCell(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.replace("\"", "\"\"");
    return "\"" + bytes + "\"";
}

QByteArray csvLine(const QStringList& cells, char separator = ';') {
    QByteArray line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) line += separator;
        line += csvCell(cells.at(i));
    }
    return line + "\r\n";
}

// ---------------------------------------------------------------- reading

TEST_F(ImportTest, ReadsQuotingSeparatorsAndEncodingsAsSpreadsheetsWriteThem) {
    struct Case {
        const char* name;
        QByteArray bytes;
        importfile::ReadOptions options;
        char separator;
        importfile::Encoding encoding;
        QStringList header;
        QList<QStringList> rows;
        QList<qint64> lines;
    };
    using E = importfile::Encoding;
    const Case cases[] = {
        {"semicolon, UTF-8 with BOM",
         "\xEF\xBB\xBFNome;Cognome\r\nMario;Rossi\r\n",
         {},
         ';',
         E::Utf8,
         {"Nome", "Cognome"},
         {{"Mario", "Rossi"}},
         {2}},
        {"comma, no BOM",
         "Nome,Cognome\nAnna,D'Amico\n",
         {},
         ',',
         E::Utf8,
         {"Nome", "Cognome"},
         {{"Anna", "D'Amico"}},
         {2}},
        {"tab",
         "Nome\tCognome\nLuca\tBianchi",
         {},
         '\t',
         E::Utf8,
         {"Nome", "Cognome"},
         {{"Luca", "Bianchi"}},
         {2}},
        {"Windows-1252 detected",
         "Nome;Citt\xE0\nNicol\xF2;Forl\xEC\n",
         {},
         ';',
         E::Cp1252,
         {"Nome", "Città"},
         {{"Nicolò", "Forlì"}},
         {2}},
        {"quoted line breaks and doubled quotes keep the lines counted",
         "Nome;Note\n\"Mario\";\"prima riga\r\nseconda \"\"riga\"\"\"\nAnna;x\n",
         {},
         ';',
         E::Utf8,
         {"Nome", "Note"},
         {{"Mario", "prima riga\r\nseconda \"riga\""}, {"Anna", "x"}},
         {2, 4}},
        {"separator given, a comma inside a cell",
         "A;B\n1,5;2\n",
         {.separator = ';'},
         ';',
         E::Utf8,
         {"A", "B"},
         {{"1,5", "2"}},
         {2}},
        {"encoding given",
         "A;B\n\xC3\xA8;x\n",
         {.encoding = E::Cp1252},
         ';',
         E::Cp1252,
         {"A", "B"},
         {{"Ã¨", "x"}},
         {2}},
        {"blank lines and fewer cells",
         "A;B;C\n\n1;2\n",
         {},
         ';',
         E::Utf8,
         {"A", "B", "C"},
         {{"1", "2", ""}},
         {3}},
    };
    for (const Case& c : cases) {
        const QString file = writeFile(QStringLiteral("in.csv"), c.bytes);
        const importfile::Table table = importfile::read(file, c.options);
        ASSERT_TRUE(table.ok) << c.name << ": " << table.error.toStdString();
        EXPECT_EQ(table.separator, c.separator) << c.name;
        EXPECT_EQ(table.encoding, c.encoding) << c.name;
        EXPECT_EQ(table.header, c.header) << c.name;
        ASSERT_EQ(table.rows.size(), c.rows.size()) << c.name;
        for (qsizetype r = 0; r < c.rows.size(); ++r) {
            EXPECT_EQ(table.rows.at(r).cells, c.rows.at(r)) << c.name;
            EXPECT_EQ(table.rows.at(r).line, c.lines.at(r)) << c.name;
        }
    }
}

// The encoding is found over the whole file, read a megabyte at a time: a
// letter whose two UTF-8 bytes fall on either side of a block's end is
// still UTF-8, and a Windows-1252 letter there is not.
TEST_F(ImportTest, TheEncodingIsFoundAcrossTheFilesBlocks) {
    struct Case {
        const char* name;
        QByteArray letter;  // its bytes, the first ending the first megabyte
        importfile::Encoding encoding;
    };
    const Case cases[] = {
        {"UTF-8 cut in two", "\xC3\xA8", importfile::Encoding::Utf8},
        {"three UTF-8 bytes cut after two", "\xE2\x82\xAC", importfile::Encoding::Utf8},
        {"Windows-1252", "\xE8", importfile::Encoding::Cp1252},
    };
    for (const Case& c : cases) {
        QByteArray bytes = "Cognome;Nome\n";
        while (bytes.size() < (1 << 20) - 40) bytes += "Rossi;Mario\n";
        const qsizetype padding = (1 << 20) - bytes.size() - 7;
        bytes += "Verdi;" + QByteArray(padding, 'a');
        bytes += c.letter + "\nNeri;Eva\n";
        ASSERT_EQ(bytes.indexOf(c.letter), (1 << 20) - 1) << c.name;
        const importfile::Table table =
            importfile::read(writeFile(QStringLiteral("in.csv"), bytes));
        ASSERT_TRUE(table.ok) << c.name << ": " << table.error.toStdString();
        EXPECT_EQ(table.encoding, c.encoding) << c.name;
        const QString expected = c.encoding == importfile::Encoding::Utf8
                                     ? QString::fromUtf8(c.letter)
                                     : QStringLiteral("è");
        EXPECT_TRUE(table.rows.at(table.rows.size() - 2).cells.at(1).endsWith(expected)) << c.name;
    }
}

// A device that fails after some bytes, as a file that cannot be read
// midway (a network share gone, a failing disk).
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray bytes, qint64 failAt) : bytes_(std::move(bytes)), failAt_(failAt) {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return bytes_.size(); }
    bool isSequential() const override { return false; }

protected:
    qint64 readData(char* data, qint64 max) override {
        if (pos() >= failAt_) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = qMin(max, qMin(failAt_, qint64(bytes_.size())) - pos());
        std::copy(bytes_.constData() + pos(), bytes_.constData() + pos() + n, data);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 failAt_;
};

TEST_F(ImportTest, EveryBadFileIsRefusedWithItsLineAndNothingIsWritten) {
    QByteArray longLine = "Cognome;Nome\n";
    longLine += QByteArray(5 << 20, 'x');
    // Good rows enough for several blocks of records written, then a bad
    // one: the records written go, and the file the import created.
    QByteArray lateError = "Cognome;Nome;Decorrenza;Scadenza;Preavviso\n";
    for (int i = 0; i < 1000; ++i) lateError += "Rossi;Mario;10/01/2024;10/01/2025;30\n";
    lateError += "Verdi;Anna;10/01/2024;10/01/2025;30;x\n";
    struct Case {
        const char* name;
        QByteArray bytes;  // null: no file at all
        QString expected;  // the message, line included
    };
    const Case cases[] = {
        {"empty", "", "è vuoto"},
        {"blank", "\xEF\xBB\xBF \r\n", "è vuoto"},
        {"header only", "Cognome;Nome\r\n", "riga 1: il file contiene solo l'intestazione"},
        {"binary", QByteArray("Cognome;Nome\nRossi;M\0x\n", 22), "riga 2: il file "},
        {"unbalanced quote", "Cognome;Nome\nRossi;\"Mario\nBianchi;Anna\n",
         "riga 2: virgolette non bilanciate"},
        {"quote inside a cell", "Cognome;Nome\nRossi;Ma\"rio\n", "riga 2: virgolette"},
        {"more cells than the header", "Cognome;Nome\nRossi;Mario\nVerdi;Anna;x\n",
         "riga 3: la riga ha 3 celle, più delle 2 dell'intestazione."},
        {"a single endless line", longLine, "riga 2: la riga è più lunga di 4 MB"},
        {"more cells after a thousand good rows", lateError,
         "riga 1002: la riga ha 6 celle, più delle 5 dell'intestazione."},
        {"missing", QByteArray(), "Impossibile aprire il file"},
    };
    for (const Case& c : cases) {
        const QString file = path(QStringLiteral("in.csv"));
        QFile::remove(file);
        if (!c.bytes.isNull()) writeFile(QStringLiteral("in.csv"), c.bytes);
        const CommandResult run = runCommand({"importa", "anagrafica", "--file", file});
        EXPECT_EQ(run.status, 1) << c.name;
        EXPECT_TRUE(run.err.contains(c.expected)) << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Nessuna scheda importata."))) << c.name;
        EXPECT_FALSE(QFile::exists(archiveNamed("anagrafica").recordFile())) << c.name;
    }
    // A file that stops being readable midway.
    QByteArray bytes = "Cognome;Nome\n";
    for (int i = 0; i < 50000; ++i) bytes += "Rossi;Mario\n";
    const importfile::Table table = importfile::read(
        [&]() -> std::unique_ptr<QIODevice> {
            return std::make_unique<FailingDevice>(bytes, 300000);
        },
        QStringLiteral("soci.csv"));
    EXPECT_FALSE(table.ok);
    EXPECT_TRUE(
        table.error.startsWith(QStringLiteral("riga 25000: il file soci.csv non si può "
                                              "più leggere: ")))
        << table.error.toStdString();
}

TEST_F(ImportTest, AYearlyArchiveWantsItsYearAndBadOptionsAreUsageErrors) {
    const QString file = writeFile(QStringLiteral("in.csv"), "Cliente\nRossi\n");
    struct Case {
        QStringList args;
        QString expected;
    };
    const Case cases[] = {
        {{"importa", "scadenzario", "--file", file}, "indicare l'anno con --anno AAAA"},
        {{"importa", "scadenzario", "--file", file, "--anno", "24"}, "Anno non valido"},
        {{"importa", "sconosciuto", "--file", file}, "Archivio sconosciuto: sconosciuto"},
        {{"importa", "anagrafica"}, "Indicare il file da importare con --file."},
        {{"importa", "anagrafica", "--file", file, "--separatore", "|"}, "Separatore non valido"},
        {{"importa", "anagrafica", "--file", file, "--codifica", "latin9"}, "Codifica non valida"},
        {{"importa", "anagrafica", "--file", file, "--colonne", "Nessuna=Cognome"},
         "La colonna «Nessuna» non è nell'intestazione del file."},
        {{"importa", "anagrafica", "--file", file, "--colonne", "Cliente=Inesistente"},
         "L'archivio anagrafica non ha il campo «Inesistente»."},
    };
    for (const Case& c : cases) {
        const CommandResult run = runCommand(c.args);
        EXPECT_EQ(run.status, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.expected)) << run.err.toStdString();
        EXPECT_TRUE(QDir(folder.path()).entryList({"*.pro", "*.sca", "*.dat"}).isEmpty());
    }
}

// ---------------------------------------------------------------- values

TEST(ImportValues, DatesInTheFormsSpreadsheetsWriteBecomeTheCardsDate) {
    const struct {
        const char* text;
        const char* date;  // null: no date
    } cases[] = {
        {"07/03/2024", "07/03/2024"},
        {"7/3/24", "07/03/2024"},
        {"2024-03-07", "07/03/2024"},
        {"45358", "07/03/2024"},
        {"45358,5", "07/03/2024"},
        {"61", "01/03/1900"},
        {"1", "01/01/1900"},
        {" 1/12/1999 ", "01/12/1999"},
        {"31/02/2024", nullptr},
        {"2024-02-30", nullptr},
        {"ieri", nullptr},
        {"", nullptr},
        {"0", nullptr},
    };
    for (const auto& c : cases) {
        const auto date = importer::dateValue(QString::fromUtf8(c.text));
        if (c.date) {
            ASSERT_TRUE(date.has_value()) << c.text;
            EXPECT_EQ(*date, QString::fromUtf8(c.date)) << c.text;
        } else {
            EXPECT_FALSE(date.has_value()) << c.text;
        }
    }
}

TEST(ImportValues, CheckBoxesTakeTheUsualYesAndNoWords) {
    const struct {
        const char* text;
        const char* stored;  // null: refused
    } cases[] = {
        {"Sì", "Sì"},   {"SI", "Sì"}, {"s", "Sì"},        {"X", "Sì"},    {"1", "Sì"},
        {"Vero", "Sì"}, {"No", "No"}, {"n", "No"},        {"0", "No"},    {"FALSO", "No"},
        {"", "No"},     {"  ", "No"}, {"forse", nullptr}, {"2", nullptr},
    };
    for (const auto& c : cases) {
        const auto flag = importer::checkValue(QString::fromUtf8(c.text));
        if (c.stored) {
            ASSERT_TRUE(flag.has_value()) << c.text;
            EXPECT_EQ(*flag, QString::fromUtf8(c.stored)) << c.text;
        } else {
            EXPECT_FALSE(flag.has_value()) << c.text;
        }
    }
}

TEST(ImportValues, HeadersMatchIgnoringCaseAccentsBlanksAndPunctuation) {
    const ArchiveDefinition& hunters = archiveNamed("anagrafica");
    const qsizetype birth = hunters.layout->indexOfField(u"DataNasc");
    const qsizetype codFisc = hunters.layout->indexOfField(u"CodFisc");
    const QStringList header{"Data di nascita", "DATA NASCITA", "data_nascita", "CODICE FISCALE",
                             "Colonna ignota"};
    const QList<qsizetype> columns = importer::matchColumns(hunters, header);
    // The field goes to its first column only.
    EXPECT_EQ(columns, (QList<qsizetype>{birth, importer::kNotImported, importer::kNotImported,
                                         codFisc, importer::kNotImported}));
    EXPECT_EQ(importer::matchingName("Data di nascita"), importer::matchingName("data_nascita"));
    EXPECT_EQ(importer::matchingName("DATA NASCITA"), importer::matchingName("Data  Nascità!"));
}

// ---------------------------------------------------------------- rows

QByteArray hunterCsv(const QList<QStringList>& rows) {
    QByteArray csv =
        csvLine({"Cognome", "Nome", "Codice fiscale", "Data di nascita",
                 "Data di rilascio del porto", "Prossima scadenza", "Giorni di preavviso", "Note"});
    for (const QStringList& row : rows) csv += csvLine(row);
    return csv;
}

TEST_F(ImportTest, RowsTheCardWouldRefuseAreListedWithTheirLineAndTheCardsMessage) {
    // The permit's issue date is named by --colonne: "Data rilascio" is the
    // export's title of the document's.
    const QString file = writeFile(
        QStringLiteral("soci.csv"),
        hunterCsv({
            {"Rossi", "Mario", "RSSMRA80A01H501U", "1/1/80", "2024-01-10", "45667", "30", ""},
            {"", "Anna", "", "", "10/01/2024", "10/01/2025", "30", ""},
            {"Verdi", "Luca", "", "", "10/01/2025", "10/01/2024", "30", "nota"},
            {"Neri", "Eva", "", "", "10/01/2024", "10/01/2025", "30", QString(300, u'x')},
            {"Bianchi", "Ugo", "", "", "10/01/2024", "10/01/2025", "30", "prezzo 5 €, ok ☺"},
        }));
    const CommandResult run = runCommand({"importa", "anagrafica", "--file", file, "--colonne",
                                          "Data di rilascio del porto=Decorrenza"});
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("Righe lette: 5\nDa aggiungere: 1\nRifiutate: 4\n")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral(
        "  riga 3: Attenzione: per salvare la scheda è necessario indicare il cognome del "
        "cacciatore.\n")))
        << run.out.toStdString();
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("  riga 4: Attenzione: la data di scadenza del "
                                        "porto di fucile (10/01/2024) non può essere "
                                        "anteriore a quella di rilascio (10/01/2025).")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral(
        "  riga 5: il campo «Note» ha 300 caratteri, più dei 250 che può contenere.\n")))
        << run.out.toStdString();
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("  riga 6: caratteri che l'archivio non può "
                                        "contenere: Note: ☺")))
        << run.out.toStdString();
    // The one good row, as the card stores it.
    const QByteArray stored = readAll(archiveNamed("anagrafica").recordFile());
    const ArchiveDefinition& hunters = archiveNamed("anagrafica");
    ASSERT_EQ(stored.size(), hunters.layout->recordSize());
    const FieldValues values = codec::decode(*hunters.layout, stored);
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"DataNasc")), "01/01/1980");
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"Decorrenza")), "10/01/2024");
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"Scadenza")), "10/01/2025");
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"Totale")), "0,00");
}

// Titles that differ only in their little words ("il", "a") are two
// columns: each named column lands in the field named for it, never in
// another's.
TEST_F(ImportTest, ColumnsNamedOnTheCommandLineLandInTheirOwnFields) {
    const QString file = writeFile(
        QStringLiteral("soci.csv"),
        csvLine({"Cognome", "Nome", "Nato il", "Nato a", "Rilasciato il", "Scade il"}) +
            csvLine({"Rossi", "Mario", "02/03/1970", "Arezzo", "10/01/2024", "10/01/2029"}));
    const CommandResult run = runCommand({"importa", "anagrafica", "--file", file, "--colonne",
                                          "Nato il=DataNasc,Nato a=CittaNasc"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString() << run.out.toStdString();
    const ArchiveDefinition& hunters = archiveNamed("anagrafica");
    const QByteArray stored = readAll(hunters.recordFile());
    ASSERT_EQ(stored.size(), hunters.layout->recordSize()) << run.out.toStdString();
    const FieldValues values = codec::decode(*hunters.layout, stored);
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"DataNasc")), "02/03/1970");
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"CittaNasc")).trimmed(), "Arezzo");

    // A title that could be either of two columns is refused, not guessed.
    const QString twice = writeFile(QStringLiteral("doppio.csv"),
                                    csvLine({"Cognome", "Nome", "Nato il", "Nato a"}) +
                                        csvLine({"Rossi", "Mario", "02/03/1970", "Arezzo"}));
    const CommandResult refused = runCommand(
        {"importa", "anagrafica", "--file", twice, "--prova", "--colonne", "nato=DataNasc"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("più colonne del file («Nato il», «Nato a»)")))
        << refused.err.toStdString();
}

// The mapping the window saved is the command line's when --colonne is
// absent, and it says so; a value for every row fills a field the file
// lacks.
TEST_F(ImportTest, TheCommandLineTakesTheWindowsMappingAndValuesForEveryRow) {
    const QString file =
        writeFile(QStringLiteral("soci.csv"),
                  csvLine({"Cognome", "Nome", "Tessera"}) + csvLine({"Rossi", "Mario", "T-1"}));
    const ArchiveDefinition& hunters = archiveNamed("anagrafica");
    importer::saveColumns(
        hunters, {"Cognome", "Nome", "Tessera"},
        {hunters.layout->indexOfField(u"Cognome"), hunters.layout->indexOfField(u"Nome"),
         hunters.layout->indexOfField(u"Civile")});
    const CommandResult run = runCommand(
        {"importa", "anagrafica", "--file", file, "--valore", "Giorni di preavviso=45", "--valore",
         "Quota=10", "--valore", "Rilasciato il=10/01/2024", "--valore", "Scade il=10/01/2029"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    for (const char* line : {"Colonne abbinate come nell'ultima importazione dalla finestra",
                             "colonna 3 Tessera: Codice ID cacciatore\n",
                             "valore per tutte le righe Giorni di preavviso: 45\n"}) {
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(line))) << line << run.out.toStdString();
    }
    const QByteArray stored = readAll(hunters.recordFile());
    ASSERT_EQ(stored.size(), hunters.layout->recordSize()) << run.out.toStdString();
    const FieldValues values = codec::decode(*hunters.layout, stored);
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"Civile")).trimmed(), "T-1");
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"Preavviso")).trimmed(), "45");
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"Totale")).trimmed(), "10,00");

    // A field named by none of its names is refused with the valid ones.
    const CommandResult unknown =
        runCommand({"importa", "anagrafica", "--file", file, "--colonne", "Tessera=Tesserà"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Campi validi: Cognome, Nome, ")))
        << unknown.err.toStdString();
}

TEST_F(ImportTest, AllOrNothingAndTheDryRunWriteNothing) {
    const QString file =
        writeFile(QStringLiteral("soci.csv"),
                  hunterCsv({{"Rossi", "Mario", "", "", "10/01/2024", "10/01/2025", "30", ""},
                             {"", "Anna", "", "", "10/01/2024", "10/01/2025", "30", ""}}));
    const QString colonne = QStringLiteral("Data di rilascio del porto=Decorrenza");
    const CommandResult dry =
        runCommand({"importa", "anagrafica", "--file", file, "--colonne", colonne, "--prova"});
    EXPECT_EQ(dry.status, 1);
    EXPECT_TRUE(dry.out.contains(QStringLiteral("Prova: nessuna scheda scritta.")));
    const CommandResult none = runCommand(
        {"importa", "anagrafica", "--file", file, "--colonne", colonne, "--tutto-o-niente"});
    EXPECT_EQ(none.status, 1);
    EXPECT_FALSE(QFile::exists(archiveNamed("anagrafica").recordFile()));
    const CommandResult some =
        runCommand({"importa", "anagrafica", "--file", file, "--colonne", colonne});
    EXPECT_EQ(some.status, 1);
    EXPECT_EQ(readAll(archiveNamed("anagrafica").recordFile()).size(),
              archiveNamed("anagrafica").layout->recordSize());
}

TEST_F(ImportTest, DuplicatesOfStoredRecordsAndOfEarlierRowsAreSkippedUnlessWanted) {
    const QString colonne = QStringLiteral("Data di rilascio del porto=Decorrenza");
    const QString first =
        writeFile(QStringLiteral("uno.csv"), hunterCsv({{"Rossi", "Mario", "RSSMRA80A01H501U", "",
                                                         "10/01/2024", "10/01/2025", "30", ""}}));
    ASSERT_EQ(runCommand({"importa", "anagrafica", "--file", first, "--colonne", colonne}).status,
              0);
    const QString second = writeFile(
        QStringLiteral("due.csv"),
        hunterCsv({{"Rossi", "Mario", "rssmra80a01h501u", "", "10/01/2024", "10/01/2025", "30", ""},
                   {"Verdi", "Anna", "VRDNNA85B41F205X", "", "10/01/2024", "10/01/2025", "30", ""},
                   {"Verdi", "Anna", "VRDNNA85B41F205X", "", "10/01/2024", "10/01/2025", "30", ""},
                   {"Neri", "Eva", "", "", "10/01/2024", "10/01/2025", "30", ""},
                   {"Neri", "Eva", "", "", "10/01/2024", "10/01/2025", "30", ""}}));
    const CommandResult run =
        runCommand({"importa", "anagrafica", "--file", second, "--colonne", colonne});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("Possibili doppioni: 2 (non importati)\n"
                       "  riga 2: rssmra80a01h501u, come la scheda n. 1 dell'archivio\n"
                       "  riga 4: VRDNNA85B41F205X, come la riga 3\n")))
        << run.out.toStdString();
    const qsizetype size = archiveNamed("anagrafica").layout->recordSize();
    // Rows without a key are never duplicates.
    EXPECT_EQ(readAll(archiveNamed("anagrafica").recordFile()).size(), 4 * size);
    const CommandResult anyway =
        runCommand({"importa", "anagrafica", "--file", second, "--colonne", colonne, "--doppioni"});
    EXPECT_TRUE(anyway.out.contains(QStringLiteral("Possibili doppioni: 3 (importati comunque)")))
        << anyway.out.toStdString();
    EXPECT_EQ(readAll(archiveNamed("anagrafica").recordFile()).size(), 9 * size);
}

// The rows are read a block at a time and not kept; the keys seen are,
// so the last row of a long file is still found to repeat the first.
TEST_F(ImportTest, TheLastRowOfALongFileIsADuplicateOfTheFirst) {
    const QString taxCode = QStringLiteral("RSSMRA80A01H501U");
    QList<QStringList> rows;
    const QString note(200, u'n');
    rows.append({"Rossi", "Mario", taxCode, "", "10/01/2024", "10/01/2025", "30", note});
    for (int i = 0; i < 5000; ++i) {
        rows.append({QStringLiteral("Verdi%1").arg(i), "Anna", "", "", "10/01/2024", "10/01/2025",
                     "30", note});
    }
    rows.append({"Rossi", "Mario", taxCode, "", "10/01/2024", "10/01/2025", "30", note});
    const QByteArray csv = hunterCsv(rows);
    ASSERT_GT(csv.size(), 1 << 20);
    const QString file = writeFile(QStringLiteral("soci.csv"), csv);
    const QString colonne = QStringLiteral("Data di rilascio del porto=Decorrenza");
    const QString expected = QStringLiteral(
        "Possibili doppioni: 1 (non importati)\n  riga 5003: RSSMRA80A01H501U, come la riga 2\n");
    const CommandResult dry =
        runCommand({"importa", "anagrafica", "--file", file, "--colonne", colonne, "--prova"});
    EXPECT_TRUE(dry.out.contains(expected)) << dry.out.toStdString();
    const CommandResult run =
        runCommand({"importa", "anagrafica", "--file", file, "--colonne", colonne});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.contains(expected)) << run.out.toStdString();
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("Schede importate: 5001 (dalla n. 1 alla n. 5001).")))
        << run.out.toStdString();
    EXPECT_EQ(readAll(archiveNamed("anagrafica").recordFile()).size(),
              5001 * archiveNamed("anagrafica").layout->recordSize());
}

TEST_F(ImportTest, WhatTheRecordsHoldComesBackEvenWhereTheCardOnlyHelpsTyping) {
    // A card number with blanks (the field lets digits through), a birth
    // country longer than the card's typing limit, a tax code in small
    // letters (the card shows capitals while typing): the fields hold them.
    const QString file =
        writeFile(QStringLiteral("soci.csv"),
                  csvLine({"Cognome", "Nome", "CodFisc", "StatoNasc", "Carta", "Decorrenza",
                           "Scadenza", "Preavviso"}) +
                      csvLine({"Rossi", "Mario", "rssmra80a01h501u", "Italia",
                               "4262 9456 4587 2593", "10/01/2024", "10/01/2025", "30"}));
    const CommandResult run = runCommand({"importa", "anagrafica", "--file", file});
    ASSERT_EQ(run.status, 0) << run.out.toStdString();
    const ArchiveDefinition& hunters = archiveNamed("anagrafica");
    const FieldValues values = codec::decode(*hunters.layout, readAll(hunters.recordFile()));
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"CodFisc")), "rssmra80a01h501u");
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"StatoNasc")), "Italia");
    EXPECT_EQ(values.at(hunters.layout->indexOfField(u"Carta")), "4262 9456 4587 2593");
}

TEST_F(ImportTest, CuttingToTheLimitsIsAChoiceThatListsWhatItCut) {
    const QString file = writeFile(
        QStringLiteral("soci.csv"),
        hunterCsv({{"Neri", "Eva", "", "", "10/01/2024", "10/01/2025", "30", QString(300, u'x')}}));
    const CommandResult run = runCommand({"importa", "anagrafica", "--file", file, "--colonne",
                                          "Data di rilascio del porto=Decorrenza", "--taglia"});
    EXPECT_EQ(run.status, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral(
        "Tagliati ai limiti: 1\n  riga 2: il campo «Note» ha 300 caratteri, più dei 250")))
        << run.out.toStdString();
}

TEST_F(ImportTest, TeamsTakeAColumnNamedOnTheCommandLine) {
    const QString file = writeFile(QStringLiteral("squadre.csv"),
                                   csvLine({"Squadra", "Capo squadra", "Cacciatori membri"}) +
                                       csvLine({"Alfa", "Rossi Mario", "Rossi Mario\nVerdi Anna"}) +
                                       csvLine({"", "Bianchi Ugo", "x"}));
    const CommandResult run = runCommand(
        {"importa", "squadre", "--file", file, "--colonne", "Cacciatori membri=Cacciatori"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("colonna 3 Cacciatori membri: Cacciatori membri\n")))
        << run.out.toStdString();
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("  riga 4: Attenzione: per salvare la scheda è "
                                        "necessario indicare il nome della squadra di "
                                        "caccia.")))
        << run.out.toStdString();
    const ArchiveDefinition& teams = archiveNamed("squadre");
    const FieldValues stored =
        codec::decode(*teams.layout, readAll(teams.recordFile()).left(teams.layout->recordSize()));
    // The quoted line break is the memo's line break.
    EXPECT_EQ(stored.at(teams.layout->indexOfField(u"Cacciatori")), "Rossi Mario\r\nVerdi Anna");
}

// ---------------------------------------------------------------- round trip

// A value the card takes for each of its fields, by the field's kind.
FieldValues cardValues(const ArchiveDefinition& archive) {
    FieldValues values(qsizetype(archive.layout->fields.size()));
    int n = 0;
    for (const CardField& f : archive.card->fields) {
        const qsizetype i = f.field.index;
        int capacity = qMin(archive.layout->fields[std::size_t(i)].capacity, 255);
        if (f.typingLimit > 0) capacity = qMin(capacity, f.typingLimit);
        QString value;
        const QString label = importer::matchingName(QString::fromUtf8(f.label));
        if (f.kind == CardFieldKind::Check) {
            value = text::kFlagYes;
        } else if (f.items) {
            value = f.items().value(1);
        } else if (f.kind == CardFieldKind::CalendarDate || label.startsWith("data") ||
                   std::any_of(archive.fieldTypes.cbegin(), archive.fieldTypes.cend(),
                               [&](const FieldType& type) {
                                   return type.kind == FieldType::Date &&
                                          type.field.index == f.field.index;
                               })) {
            value = QStringLiteral("15/03/2024");
        } else if (f.accepts == &cardfilter::amount) {
            value = QStringLiteral("1234,50");
        } else if (f.accepts == &cardfilter::digits) {
            value = QStringLiteral("30").left(capacity);
        } else if (f.accepts == &cardfilter::alphanumeric) {
            value = QStringLiteral("ABC123DEF456GHIJ").left(capacity);
        } else if (f.accepts == &cardfilter::email) {
            value = QStringLiteral("uno@esempio.it,due@esempio.it");
        } else if (f.kind == CardFieldKind::Memo) {
            value = QStringLiteral("Prima riga dell'elenco\r\nSeconda «riga» è qui; \"fine\"");
        } else {
            value = QStringLiteral("Valore d'esempio è %1").arg(++n).left(capacity);
        }
        if (f.typing == Typing::UpperTrimmed) value = value.toUpper();
        if (f.onLeave) value = f.onLeave(value);
        values[i] = value;
    }
    if (archive.card->yearField) values[archive.card->yearField->index] = QStringLiteral("2024");
    if (archive.card->derive) archive.card->derive(values);
    return values;
}

// A record that is not a duplicate of `values`: the last letter of the
// archive's first plain-text key field changed.
FieldValues notADuplicateOf(const ArchiveDefinition& archive, const FieldValues& values) {
    FieldValues other = values;
    for (const FieldId& key : archive.naturalKey) {
        const auto f = std::find_if(archive.card->fields.begin(), archive.card->fields.end(),
                                    [&](const CardField& c) { return c.field.index == key.index; });
        if (f == archive.card->fields.end() || f->kind != CardFieldKind::Edit ||
            importer::matchingName(QString::fromUtf8(f->label)).startsWith("data")) {
            continue;
        }
        // A field of digits takes another digit, any other another letter.
        QChar& last = other[key.index].back();
        if (f->accepts == &cardfilter::digits) {
            last = last == u'9' ? u'8' : u'9';
        } else {
            last = last == u'Z' ? u'Y' : u'Z';
        }
        break;
    }
    return other;
}

TEST_F(ImportTest, EveryArchiveRoundTripsThroughACsvFileByteForByte) {
    for (const ArchiveDefinition* archive : archives::all()) {
        SCOPED_TRACE(archive->name);
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        const FieldValues values = cardValues(*archive);
        ASSERT_FALSE(archive->card->check && archive->card->check(values))
            << archive->card->check(values)->message.toStdString();
        // The file a spreadsheet would write: the card's labels, then two
        // records (the second another key, so no duplicate).
        // Headed by the card's labels; a label that names another field
        // first (two "Prov." on one card) by the field's name.
        QStringList header, first, second;
        for (const CardField& f : archive->card->fields) {
            header.append(importer::fieldLabel(*archive, f.field.index));
            first.append(values.at(f.field.index));
        }
        const QList<qsizetype> matched = importer::matchColumns(*archive, header);
        for (qsizetype c = 0; c < header.size(); ++c) {
            const qsizetype field = archive->card->fields[std::size_t(c)].field.index;
            if (matched.at(c) != field) {
                header[c] = QString::fromLatin1(archive->layout->fields[std::size_t(field)].name);
            }
        }
        const FieldValues other = notADuplicateOf(*archive, values);
        for (const CardField& f : archive->card->fields) second.append(other.at(f.field.index));
        const QString file = writeFile(QStringLiteral("elenco.csv"),
                                       csvLine(header) + csvLine(first) + csvLine(second));
        QStringList args{"importa", archive->name, "--file", file};
        QString year;
        if (archive->yearFile) {
            year = QStringLiteral("2024");
            args += {"--anno", year};
        }
        const CommandResult run = runCommand(args);
        ASSERT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
        const QByteArray stored = readAll(archive->recordFile(year));
        EXPECT_EQ(stored,
                  codec::encode(*archive->layout, values) + codec::encode(*archive->layout, other));
        // Which field differs, when one does.
        const FieldValues back = codec::decode(*archive->layout, stored);
        const FieldValues expected =
            codec::decode(*archive->layout, codec::encode(*archive->layout, values));
        for (qsizetype i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(back.value(i), expected.at(i))
                << archive->layout->fields[std::size_t(i)].name;
        }
    }
}

// The program's own complete CSV export, read back by the import into an
// empty folder, gives the same stored bytes, for every archive: its column
// titles must each name their field.
TEST_F(ImportTest, EveryArchivesCompleteCsvExportComesBackByteForByte) {
    for (const ArchiveDefinition* archive : archives::all()) {
        SCOPED_TRACE(archive->name);
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        const FieldValues values = cardValues(*archive);
        const FieldValues other = notADuplicateOf(*archive, values);
        QString year;
        QStringList anno;
        QStringList period;  // how the export names the year's file
        if (archive->yearFile) {
            year = QStringLiteral("2024");
            anno = {"--anno", year};
            period = anno;
            if (const YearNaming* naming = archive->yearNaming) {
                period = {QString::fromLatin1(naming->option),
                          naming->periodOn(QDate(2024, 12, 1))};
            }
        }
        const QByteArray original =
            codec::encode(*archive->layout, values) + codec::encode(*archive->layout, other);
        {
            QFile f(archive->recordFile(year));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(original);
        }
        const QString csv = path(QStringLiteral("copia.csv"));
        const CommandResult exported = runCommand(
            QStringList{"esporta", archive->name, "--formato", "csv", "--file", csv} + period);
        ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
        ASSERT_TRUE(QFile::remove(archive->recordFile(year)));
        const CommandResult imported =
            runCommand(QStringList{"importa", archive->name, "--file", csv} + anno);
        ASSERT_EQ(imported.status, 0) << imported.out.toStdString() << imported.err.toStdString();
        EXPECT_EQ(readAll(archive->recordFile(year)), original);
    }
}

TEST_F(ImportTest, TheProgramsOwnSpreadsheetExportComesBack) {
    for (const ArchiveDefinition* archive : archives::all()) {
        SCOPED_TRACE(archive->name);
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        const FieldValues values = cardValues(*archive);
        const QString year = archive->yearFile ? QStringLiteral("2024") : QString();
        const QString source = folder.filePath(QStringLiteral("origine.dat"));
        {
            QFile f(source);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(codec::encode(*archive->layout, values));
        }
        const QString xls = folder.filePath(QStringLiteral("export.xls"));
        ASSERT_TRUE(spreadsheet::exportArchive(*archive->layout, archive->exporter->columns, source,
                                               xls, archive->exporter->sheetName));
        QStringList args{"importa", archive->name, "--file", xls, "--prova"};
        if (!year.isEmpty()) args += {"--anno", year};
        const CommandResult run = runCommand(args);
        EXPECT_TRUE(run.out.contains(QStringLiteral("Righe lette: 1\n"))) << run.err.toStdString();
        // Every column of one field is matched to its field.
        for (const ExportColumn& column : archive->exporter->columns) {
            if (column.fields.size() != 1) continue;
            if (!importer::importableFields(*archive).contains(column.fields.first())) continue;
            const QString name = importer::fieldLabel(*archive, column.fields.first());
            EXPECT_TRUE(run.out.contains(QStringLiteral(": ") + name + u'\n'))
                << column.header.toStdString() << "\n"
                << run.out.toStdString();
        }
        // Read back, the cells are the exported texts.
        const importfile::Table table = importfile::read(xls);
        ASSERT_TRUE(table.ok) << table.error.toStdString();
        EXPECT_TRUE(table.spreadsheet);
        ASSERT_EQ(table.rows.size(), 1);
        EXPECT_EQ(table.rows.first().cells, exportRow(archive->exporter->columns, values));
    }
}

// The typed workbook the program exports (.xlsx) comes back: every column
// of one field gives that field the value it was exported from (dates from
// date cells, amounts from number cells, codes from text cells).
TEST_F(ImportTest, TheProgramsOwnWorkbookExportComesBack) {
    for (const ArchiveDefinition* archive : archives::all()) {
        SCOPED_TRACE(archive->name);
        const FieldValues values = cardValues(*archive);
        const QString source = folder.filePath(QStringLiteral("origine-%1.dat").arg(archive->name));
        {
            QFile f(source);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(codec::encode(*archive->layout, values));
        }
        const QString xlsx = folder.filePath(QStringLiteral("export-%1.xlsx").arg(archive->name));
        QString error;
        ASSERT_TRUE(exportformat::exportRecords(
            {archive, archive->exporter, exportformat::Format::Xlsx, {source}, xlsx}, nullptr,
            &error))
            << error.toStdString();
        const importfile::Table table = importfile::read(xlsx);
        ASSERT_TRUE(table.ok) << table.error.toStdString();
        ASSERT_EQ(table.rows.size(), 1);
        const QList<qsizetype> columns = importer::matchColumns(*archive, table.header);
        importer::Options options;
        options.year = QStringLiteral("2024");
        const FieldValues back =
            importer::rowValues(*archive, table.rows.first().cells, columns, options);
        for (qsizetype c = 0; c < archive->exporter->columns.size(); ++c) {
            const ExportColumn& column = archive->exporter->columns.at(c);
            if (column.fields.size() != 1 ||
                !importer::importableFields(*archive).contains(column.fields.first())) {
                continue;
            }
            const qsizetype field = column.fields.first();
            EXPECT_EQ(columns.value(c), field) << column.header.toStdString();
            EXPECT_EQ(back.value(field).trimmed(), values.at(field).trimmed())
                << column.header.toStdString();
        }
    }
}

}  // namespace
