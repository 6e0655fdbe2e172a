#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/Archives.h"
#include "archive/RecordCodec.h"
#include "archive/RecordJournal.h"
#include "base/Paths.h"
#include "import/Importer.h"
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
        importfile::Table table;
        table.ok = true;
        table.header = {"Cognome", "Nome", "Data rilascio porto", "Prossima scadenza",
                        "Giorni di preavviso"};
        for (int i = 0; i < 400; ++i) {
            table.rows.append(
                {i + 2,
                 {QStringLiteral("Rossi%1").arg(i), "Mario", "10/01/2024", "10/01/2025", "30"}});
        }
        QList<qsizetype> columns = importer::matchColumns(*hunters, table.header);
        QString error;
        ASSERT_TRUE(importer::applyColumns(*hunters, table.header, "Data rilascio porto=Decorrenza",
                                           &columns, &error))
            << error.toStdString();
        plan = importer::prepare(*hunters, path, table, columns, {});
        ASSERT_TRUE(plan.ok);
        ASSERT_EQ(plan.accepted.size(), 400);
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
    importer::Plan plan;
};

TEST_F(ImportWriteTest, AllRowsGoInOneWriteAfterTheStoredRecords) {
    QString error;
    qsizetype first = 0;
    ASSERT_TRUE(importer::write(*hunters, path, plan, &error, {}, nullptr, &first))
        << error.toStdString();
    // After the last complete record: the incomplete bytes are written over.
    EXPECT_EQ(first, 4);
    const QByteArray bytes = stored();
    EXPECT_EQ(bytes.size(), 403 * hunters->layout->recordSize());
    EXPECT_EQ(bytes.left(3 * hunters->layout->recordSize()),
              original.left(3 * hunters->layout->recordSize()));
    EXPECT_EQ(codec::decode(*hunters->layout, bytes.mid(402 * hunters->layout->recordSize())).at(0),
              "Rossi399");
    EXPECT_FALSE(QFile::exists(journal::pathOf(path)));
}

TEST_F(ImportWriteTest, AnnullaDuringTheWriteLeavesTheArchiveAsItWas) {
    QString error;
    bool cancelled = false;
    int calls = 0;
    EXPECT_FALSE(importer::write(
        *hunters, path, plan, &error, [&](qint64, qint64) { return ++calls < 2; }, &cancelled));
    EXPECT_TRUE(cancelled);
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
        EXPECT_FALSE(importer::write(*hunters, path, plan, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(stored(), original);
}

TEST_F(ImportWriteTest, AProgramKilledDuringTheWriteLeavesTheArchiveAsItWas) {
    // The child is killed (ends at once, no clean-up) after the first
    // megabyte is on its way; the journal it leaves is settled by the next
    // opener.
    EXPECT_EXIT(
        {
            QString error;
            importer::write(*hunters, path, plan, &error, [](qint64, qint64) {
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

}  // namespace
