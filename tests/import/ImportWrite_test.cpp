#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/Archives.h"
#include "base/Paths.h"
#include "import/Importer.h"
#include "records/RecordCodec.h"
#include "records/RecordJournal.h"
#include "support/WriteFailure.h"

// The import's one write: whatever stops it (Annulla, a full disk, the
// program killed) leaves the archive exactly as it was.
namespace {

class ImportWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
        hunters = archives::named(QStringLiteral("anagrafica"));
        ASSERT_NE(hunters, nullptr);
        path = hunters->recordFile();
        // Three records already stored, and an incomplete fourth's bytes.
        QByteArray before;
        for (int i = 0; i < 3; ++i) before += record(QStringLiteral("Stored%1").arg(i));
        before += QByteArray(17, 'z');
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
        f.close();
        original = before;
        // Four hundred rows to append: about 2 MB, written in blocks.
        table.ok = true;
        table.header = {"Cognome",
                        "Nome",
                        "Data rilascio porto",
                        "Prossima scadenza",
                        "Giorni di preavviso",
                        "Codice fiscale"};
        for (int i = 0; i < 400; ++i) {
            table.rows.append({i + 2,
                               {QStringLiteral("Rossi%1").arg(i), "Mario", "10/01/2024",
                                "10/01/2025", "30", ""}});
        }
        columns = importer::matchColumns(*hunters, table.header);
        QString error;
        ASSERT_TRUE(importer::applyColumns(*hunters, table.header, "Data rilascio porto=Decorrenza",
                                           &columns, &error))
            << error.toStdString();
        const importer::Plan plan = importer::prepare(*hunters, path, table, columns, {});
        ASSERT_TRUE(plan.ok);
        ASSERT_EQ(plan.accepted, 400);
    }

    // The rows of the table imported, as they are checked.
    importer::Imported importRows(const ScanProgress& progress = {},
                                  const importer::Options& options = {}) const {
        importfile::TableRows rows(table);
        return importer::import(*hunters, path, rows, columns, options, progress);
    }

    QByteArray record(const QString& surname) const {
        FieldValues values(qsizetype(hunters->layout->fields.size()));
        values[0] = surname;
        return codec::encode(*hunters->layout, values);
    }

    QByteArray stored() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    const ArchiveDefinition* hunters = nullptr;
    QString path;
    QByteArray original;
    importfile::Table table;
    QList<qsizetype> columns;
};

TEST_F(ImportWriteTest, AllRowsGoInOneWriteAfterTheStoredRecords) {
    const importer::Imported imported = importRows();
    ASSERT_TRUE(imported.written) << imported.error.toStdString();
    EXPECT_EQ(imported.count, 400);
    // After the last complete record: the incomplete bytes are written over.
    EXPECT_EQ(imported.first, 4);
    const QByteArray bytes = stored();
    EXPECT_EQ(bytes.size(), 403 * hunters->layout->recordSize());
    EXPECT_EQ(bytes.left(3 * hunters->layout->recordSize()),
              original.left(3 * hunters->layout->recordSize()));
    EXPECT_EQ(codec::decode(*hunters->layout, bytes.mid(402 * hunters->layout->recordSize())).at(0),
              "Rossi399");
    EXPECT_FALSE(QFile::exists(journal::pathOf(path)));
}

TEST_F(ImportWriteTest, AnnullaDuringTheWriteLeavesTheArchiveAsItWas) {
    int calls = 0;
    const importer::Imported imported = importRows([&](qint64, qint64) { return ++calls < 2; });
    EXPECT_FALSE(imported.written);
    EXPECT_TRUE(imported.cancelled);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(stored(), original);
    EXPECT_FALSE(QFile::exists(journal::pathOf(path)));
}

TEST_F(ImportWriteTest, AFullDiskDuringTheWriteLeavesTheArchiveAsItWas) {
    QString error;
    {
        WriteFailure full(WriteFailure::Kind::DiskFillsAt, folder.path(),
                          original.size() + 1500000);
        if (!full.possible()) GTEST_SKIP() << "no file size limit here";
        const importer::Imported imported = importRows();
        EXPECT_FALSE(imported.written);
        error = imported.error;
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(stored(), original);
}

TEST_F(ImportWriteTest, AProgramKilledDuringTheWriteLeavesTheArchiveAsItWas) {
    // The child is killed (ends at once, no clean-up) after the first
    // rows are on their way; the journal it leaves is settled by the next
    // opener.
    EXPECT_EXIT(
        {
            importRows([](qint64, qint64) {
                ::_exit(3);
                return true;
            });
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_TRUE(QFile::exists(journal::pathOf(path)));
    EXPECT_GT(QFile(path).size(), original.size());
    RecordFile file(path, hunters->layout->recordSize());
    ASSERT_TRUE(file.open(RecordFile::Access::Read));
    file.close();
    EXPECT_EQ(stored(), original);
    EXPECT_FALSE(QFile::exists(journal::pathOf(path)));
}

// With --tutto-o-niente, a row not imported after blocks of records were
// already written takes them all back: the file is again byte for byte
// what it was.
TEST_F(ImportWriteTest, ARowNotImportedAfterWrittenBlocksTakesTheWholeAppendBack) {
    const QString taxCode = QStringLiteral("RSSMRA80A01H501U");
    struct Case {
        const char* name;
        QStringList last;   // the last row's cells
        bool taxCodeFirst;  // the first row has the same tax code
    };
    const Case cases[] = {
        {"refused by the card", {"", "Anna", "10/01/2024", "10/01/2025", "30", ""}, false},
        {"a duplicate of the first row",
         {"Verdi", "Anna", "10/01/2024", "10/01/2025", "30", taxCode},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        table.rows.last().cells = c.last;
        table.rows.first().cells[5] = c.taxCodeFirst ? taxCode : QString();
        qint64 largest = 0;
        importer::Options options;
        options.allOrNothing = true;
        const importer::Imported imported = importRows(
            [&](qint64, qint64) {
                largest = qMax(largest, QFile(path).size());
                return true;
            },
            options);
        EXPECT_TRUE(imported.plan.ok);
        EXPECT_FALSE(imported.written);
        EXPECT_EQ(imported.count, 0);
        EXPECT_EQ(imported.plan.rowsRead, 400);
        EXPECT_EQ(imported.plan.accepted, 399);
        // At least a megabyte of records had reached the file.
        EXPECT_GT(largest, original.size() + (1 << 20));
        EXPECT_EQ(stored(), original);
        EXPECT_FALSE(QFile::exists(journal::pathOf(path)));
    }
}

}  // namespace
