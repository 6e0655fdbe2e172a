#include "records/Attachments.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/Paths.h"

namespace {

class AttachmentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid());
        ASSERT_TRUE(elsewhere.isValid());
        paths::setDataFolder(data.path());
    }

    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QTemporaryDir data;
    QTemporaryDir elsewhere;
};

TEST(AttachmentNames, OnlyBareNamesStayInsideTheFolder) {
    struct Case {
        const char* name;
        bool bare;
    } cases[] = {
        {"porto.pdf", true},
        {"Polizza 2024 (copia).jpg", true},
        {"relazione..finale.pdf", true},  // dots inside a name are harmless
        {".nascosto", true},
        {"", false},
        {".", false},
        {"..", false},
        {"../Cacciatori.pro", false},
        {"..\\Cacciatori.pro", false},
        {"sotto/porto.pdf", false},
        {"/etc/passwd", false},
        {"C:\\Windows\\win.ini", false},
        {"C:porto.pdf", false},  // relative to a drive's current folder
        {"porto\n.pdf", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(attachments::isBareFileName(QString::fromLatin1(c.name)), c.bare) << c.name;
    }
}

TEST(AttachmentNames, StoredNamesHoldOnlyWhatTheRecordsCanHold) {
    struct Case {
        const char* chosen;  // UTF-8
        const char* stored;
    } cases[] = {
        {"porto.pdf", "porto.pdf"},
        {"Città € 2024.pdf", "Città € 2024.pdf"},  // all in Windows-1252
        {"Łukasz.pdf", "_ukasz.pdf"},
        {"foto😀.jpg", "foto_.jpg"},  // one character, though two halves
        {"perché?.txt", "perché?.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(attachments::storableName(QString::fromUtf8(c.chosen)),
                  QString::fromUtf8(c.stored))
            << c.chosen;
    }
}

TEST_F(AttachmentsTest, CopyCreatesTheFolderAndReplacesAWholeFile) {
    const QString source = QDir(elsewhere.path()).filePath(QStringLiteral("porto.pdf"));
    write(source, "nuovo contenuto");
    EXPECT_FALSE(attachments::exists(QStringLiteral("porto.pdf")));

    ASSERT_TRUE(attachments::copyIn(source, QStringLiteral("porto.pdf")));
    EXPECT_EQ(attachments::folder(),
              QDir(data.path()).filePath(QStringLiteral("Documenti_Allegati")));
    EXPECT_TRUE(attachments::exists(QStringLiteral("porto.pdf")));
    EXPECT_EQ(read(attachments::pathOf(QStringLiteral("porto.pdf"))), "nuovo contenuto");
    EXPECT_TRUE(attachments::isInFolder(attachments::pathOf(QStringLiteral("porto.pdf")),
                                        QStringLiteral("porto.pdf")));
    EXPECT_FALSE(attachments::isInFolder(source, QStringLiteral("porto.pdf")));

    write(source, "ancora più nuovo, e più lungo");
    ASSERT_TRUE(attachments::copyIn(source, QStringLiteral("porto.pdf")));
    EXPECT_EQ(read(attachments::pathOf(QStringLiteral("porto.pdf"))),
              "ancora più nuovo, e più lungo");
    EXPECT_EQ(QDir(attachments::folder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("porto.pdf")});  // no copy left behind
}

TEST_F(AttachmentsTest, AFailedCopyLeavesTheEarlierFile) {
    write(QDir(elsewhere.path()).filePath(QStringLiteral("porto.pdf")), "vecchio");
    ASSERT_TRUE(attachments::copyIn(QDir(elsewhere.path()).filePath(QStringLiteral("porto.pdf")),
                                    QStringLiteral("porto.pdf")));
    const QString missing = QDir(elsewhere.path()).filePath(QStringLiteral("sparito.pdf"));
    EXPECT_FALSE(attachments::copyIn(missing, QStringLiteral("porto.pdf")));
    EXPECT_EQ(read(attachments::pathOf(QStringLiteral("porto.pdf"))), "vecchio");
    EXPECT_FALSE(attachments::copyIn(elsewhere.path(), QStringLiteral("porto.pdf")));  // a folder
    EXPECT_EQ(read(attachments::pathOf(QStringLiteral("porto.pdf"))), "vecchio");
    EXPECT_FALSE(attachments::copyIn(missing, QStringLiteral("../fuori.pdf")));
}

TEST_F(AttachmentsTest, AFileWhereTheFolderShouldBeStopsTheCopy) {
    write(QDir(data.path()).filePath(QStringLiteral("Documenti_Allegati")), "un file");
    const QString source = QDir(elsewhere.path()).filePath(QStringLiteral("porto.pdf"));
    write(source, "contenuto");
    EXPECT_FALSE(attachments::copyIn(source, QStringLiteral("porto.pdf")));
    EXPECT_FALSE(attachments::exists(QStringLiteral("porto.pdf")));
}

}  // namespace
