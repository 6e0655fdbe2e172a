// Scans of an archive of several read blocks (1 MiB holds 206 hunters, and
// the scan reads one block ahead into a second buffer): every list keeps
// each record's own number across the blocks, and a scan the user cancels
// leaves no partial list or file behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "hunters/HunterLists.h"
#include "lists/ListDefinitions.h"
#include "lists/RecordList.h"
#include "lists/Spreadsheet.h"
#include "records/RecordFile.h"
#include "support/HunterArchive.h"

namespace {

constexpr int kHunters = 650;  // four blocks

class HunterScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Hunter n is "Cognome<n>", with its number in its note too; every
        // permit has expired, so the summary lists them all.
        QList<TestHunter> hunters;
        for (int n = 1; n <= kHunters; ++n) {
            const QByteArray number = QByteArray::number(n).rightJustified(3, '0');
            hunters.append({.surname = "Cognome" + number,
                            .name = "Nome",
                            .expiry = "01/01/2020",
                            .notice = "0",
                            .note = "scheda " + number});
        }
        ASSERT_TRUE(writeHunters(path(), hunters));
    }

    QString path() const { return dir.filePath(QStringLiteral("Cacciatori.pro")); }
    // The number a line's text names ("Cognome042" → 42).
    static qsizetype numberIn(const QString& text) {
        return text.mid(text.indexOf(QStringLiteral("Cognome")) + 7, 3).toLongLong();
    }
    QByteArray contents(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(HunterScanTest, EveryLineCarriesItsOwnRecordNumberAcrossReadBlocks) {
    const ListResult all = hunters::search().run(path(), {});
    const ListResult summary = hunters::permitSummary().build(path(), QDate(2024, 5, 10));
    for (const ListResult* result : {&all, &summary}) {
        ASSERT_TRUE(result->ok);
        ASSERT_EQ(result->lines.size(), kHunters);
        for (qsizetype i = 0; i < kHunters; ++i) {
            const ListLine& line = result->lines.at(i);
            EXPECT_EQ(line.record, i + 1) << qPrintable(line.text);
            EXPECT_EQ(numberIn(line.text), line.record) << qPrintable(line.text);
        }
    }

    // A criterion that only records of the second block meet.
    const ListResult late = hunters::search().run(
        path(), {QString(), QString(), QString(), QString(), QString(), QString(), QString(),
                 QString(), QString(), QStringLiteral("scheda 24")});
    QList<qsizetype> records;
    for (const ListLine& line : late.lines) records.append(line.record);
    EXPECT_EQ(records, (QList<qsizetype>{240, 241, 242, 243, 244, 245, 246, 247, 248, 249}));

    const ExportDefinition& exporter = hunters::exporter();
    const GridRows rows = exporter.read({path()}, QDate(2024, 5, 10));
    ASSERT_EQ(rows.rows.size(), kHunters);
    for (qsizetype i = 0; i < kHunters; ++i) {
        EXPECT_EQ(rows.numbers.at(i), i + 1);
        EXPECT_EQ(numberIn(rows.rows.at(i).join(u' ')), i + 1);
    }
}

TEST_F(HunterScanTest, ACancelledScanSaysSoAndStopsAtTheBlock) {
    QList<qint64> told;
    const auto stopAfterFirstBlock = [&told](qint64 done, qint64 total) {
        told.append(done);
        EXPECT_EQ(total, kHunters);
        return false;
    };
    const ListResult result = hunters::search().run(path(), {}, stopAfterFirstBlock);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(told, (QList<qint64>{206}));
    EXPECT_EQ(result.lines.size(), 206);

    told.clear();
    const ListResult whole = hunters::search().run(path(), {}, [&told](qint64 done, qint64) {
        told.append(done);
        return true;
    });
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(whole.lines.size(), kHunters);
    EXPECT_EQ(told, (QList<qint64>{206, 412, 618, 650}));

    const GridRows rows = hunters::exporter().read({path()}, QDate(2024, 5, 10),
                                                   [](qint64, qint64) { return false; });
    EXPECT_TRUE(rows.cancelled);
}

// Cancelling an export, whether while the archive is read or while the
// rows are written, leaves the file written before whole and no other file.
TEST_F(HunterScanTest, ACancelledExportLeavesThePreviousFileWhole) {
    const ExportDefinition& definition = hunters::exporter();
    const QString target = dir.filePath(QStringLiteral("Anagrafica.xls"));
    const QByteArray previous = "<html>esportazione di ieri</html>";
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(previous);
    }
    const auto cancel = [](qint64, qint64) { return false; };
    bool cancelled = false;
    EXPECT_FALSE(spreadsheet::exportArchive(*definition.layout, definition.columns, path(), target,
                                            definition.sheetName, nullptr, nullptr, cancel,
                                            &cancelled));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(contents(target), previous);

    ExportGridModel grid(definition.columns);
    grid.setRows(definition.read({path()}, QDate(2024, 5, 10)));
    cancelled = false;
    EXPECT_FALSE(
        spreadsheet::writeGrid(target, definition.sheetName, grid, nullptr, cancel, &cancelled));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(contents(target), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("Anagrafica.xls"), QStringLiteral("Cacciatori.pro")}));

    // Not cancelled, the same export replaces it.
    cancelled = true;
    EXPECT_TRUE(spreadsheet::writeGrid(
        target, definition.sheetName, grid, nullptr, [](qint64, qint64) { return true; },
        &cancelled));
    EXPECT_FALSE(cancelled);
    EXPECT_TRUE(contents(target).contains("Cognome650"));
}

// Every record of the hunters' file at `path`, as a card loads it.
QList<FieldValues> loadedRecords(const QString& path) {
    const RecordLayout& layout = *hunters::search().layout;
    QList<FieldValues> loaded;
    RecordFile::scan(path, layout.recordSize(), [&](qsizetype, QByteArrayView record) {
        loaded.append(loadedValues(layout, record));
        return true;
    });
    return loaded;
}

// The search compares the stored bytes; it must find exactly what comparing
// the texts as loaded finds, letter case folded either way, for letters the
// code page holds in both cases, letters that fold outside it, controls and
// the unassigned bytes.
TEST(HunterScan, ComparingBytesFindsWhatComparingTextsFinds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cacciatori.pro"));
    const QList<QByteArray> surnames = {
        "CITT\xC0 di Castello",
        "citt\xE0 vecchia",
        "\x8Auster \x9F",
        "\x9Auster \xFF",
        "\x8C"
        "dipo",
        "Stra\xDF"
        "e",
        "Kelvin",
        "\xB5m e \xC6",
        "tab\tqui",
        "\x81\x8D\x90",
        "   spazi   ",
        "\x80 100",
    };
    QList<TestHunter> hunters;
    for (const QByteArray& surname : surnames) hunters.append({.surname = surname});
    ASSERT_TRUE(writeHunters(path, hunters));
    const QStringList criteria = {
        QStringLiteral("città"),    QStringLiteral("CITTÀ"),   QStringLiteral("šuster"),
        QStringLiteral("ŠUSTER ÿ"), QStringLiteral("ÿ"),       QStringLiteral("Ÿ"),
        QStringLiteral("œ"),        QStringLiteral("STRASSE"), QStringLiteral("straße"),
        QString(QChar(0x212A)),     QStringLiteral("μ"),       QStringLiteral("µM"),
        QStringLiteral("æ"),        QStringLiteral("\t"),      QString(QChar(0x81)),
        QStringLiteral("i spazi"),  QStringLiteral("€"),       QStringLiteral("€ 1"),
        QStringLiteral("ı"),        QStringLiteral("İ"),       QStringLiteral("😀"),
    };
    const RecordLayout& layout = *hunters::search().layout;
    const qsizetype surname = layout.indexOfField(u"Cognome");
    const QList<FieldValues> loaded = loadedRecords(path);
    ASSERT_EQ(loaded.size(), surnames.size());
    // The texts' own comparison, which the bytes' must follow: À folds with
    // every letter folded, not with A to Z only.
    ASSERT_TRUE(matches(loaded.at(0), {{surname, QStringLiteral("città")}}));
    ASSERT_FALSE(matches(loaded.at(0), {{surname, QStringLiteral("città")}}, CaseFolding::AtoZ));
    for (const CaseFolding folding : {CaseFolding::AllLetters, CaseFolding::AtoZ}) {
        for (const QString& text : criteria) {
            const QList<Criterion> wanted{{surname, text}};
            QList<qsizetype> expected;
            for (qsizetype i = 0; i < loaded.size(); ++i) {
                if (matches(loaded.at(i), wanted, folding)) expected.append(i + 1);
            }
            QList<qsizetype> found;
            for (const ListLine& line :
                 searchRecords(layout, path, wanted, hunters::search().itemText, folding).lines) {
                found.append(line.record);
            }
            std::sort(found.begin(), found.end());
            EXPECT_EQ(found, expected)
                << qPrintable(text) << " " << (folding == CaseFolding::AtoZ ? "A-Z" : "tutte");
        }
    }
}

// A list line is written straight from the record's bytes; it must be the
// item text the card's loaded values give, whatever the fields hold:
// controls, accented letters, the code page's own characters, unassigned
// bytes, blanks around, texts longer than their piece of the line.
TEST(HunterScan, LinesFromBytesAreTheItemTextsOfTheLoadedValues) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cacciatori.pro"));
    const QList<TestHunter> hunters = {
        {.surname = "Rossi", .name = "Mario", .codFisc = "RSSMRA80A01H501U"},
        {.surname = "  D'Annunzio\t",
         .name = "Gabriele\x01",
         .phone = "\x7F"
                  "333"},
        {.surname = "Citt\xE0 \x80 \x8A\x9F", .name = "\x81\x8D\x90\x9D", .team = "Squadra \xC0"},
        {.surname = QByteArray(50, 'X'),
         .name = QByteArray(50, 'Y'),
         .team = QByteArray(50, 'Z'),
         .id = QByteArray(50, 'I')},
        {.surname = "", .name = "", .expiry = "01/01/2020", .notice = "0", .total = "1,50"},
        // Fields read eight bytes at a time: what is not plain ASCII in the
        // last bytes of a word, in a word of its own, or just past one.
        {.surname = "Abcdefg\xE8",
         .name = "12345678\x7F",
         .codFisc = "ABCDEFGHIJKLMNO\x1F",
         .phone = "1234567",
         .team = "abcdefghijklmnopq\x9D",
         .id = "\x01"
               "bcdefgh"},
        {.surname = "ABCDEFGH",
         .name = "abcdefghijklmnop",
         .phone = "~~~~~~~ }}}}}}}",
         .team = " ~ ",
         .id = "12345678901234567"},
    };
    ASSERT_TRUE(writeHunters(path, hunters));
    const QList<FieldValues> loaded = loadedRecords(path);
    const auto check = [&](const ListResult& result, const ItemFormat& format) {
        ASSERT_EQ(result.lines.size(), hunters.size());
        for (const ListLine& line : result.lines) {
            EXPECT_EQ(line.text, format(loaded.value(line.record - 1))) << line.record;
        }
    };
    check(hunters::search().run(path, {}), hunters::search().itemText);
    SummaryDefinition all = hunters::permitSummary();
    all.condition = [](const FieldValues&, const QDate&) { return true; };
    check(all.build(path, QDate(2024, 5, 10)), all.itemText);
}

}  // namespace
