#include "shell/AccessPassword.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/WriteFailure.h"

namespace {

namespace pw = accesspassword;

class PasswordFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString path(const QString& name = QStringLiteral("unins000.dll")) const {
        return folder.filePath(name);
    }
    void write(const QByteArray& bytes, const QString& name = QStringLiteral("unins000.dll")) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray bytes() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir folder;
};

TEST_F(PasswordFileTest, WritesTheScrambledPasswordAsAnIniFile) {
    ASSERT_TRUE(pw::writePasswordFile(path(), QStringLiteral("AB")));
    // "AB" scrambles to E2 8D (worked out in Scramble_test.cpp).
    EXPECT_EQ(bytes(), QByteArray("[Accesso]\r\nValore=E28D\r\n"));
    EXPECT_EQ(pw::readPasswordFile(path()), QStringLiteral("AB"));
}

TEST_F(PasswordFileTest, ReadsWhatTheFileHolds) {
    struct Case {
        const char* content;  // nullptr: no file
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {"[Accesso]\r\nValore=e28d\r\n", QStringLiteral("AB")},
        {nullptr, QString()},                                 // missing file
        {"[Accesso]\r\nAltro=E28D\r\n", QString()},           // missing key
        {"[Impostazioni]\r\nValore=E28D\r\n", QString()},     // missing section
        {"[Accesso]\r\nValore=E28Z\r\n", std::nullopt},       // damaged value
        {"[Accesso]\r\nValore=primavera\r\n", std::nullopt},  // not scrambled
    };
    for (const Case& c : cases) {
        QFile::remove(path());
        if (c.content) write(QByteArray(c.content));
        EXPECT_EQ(pw::readPasswordFile(path()), c.expected) << (c.content ? c.content : "none");
    }
}

TEST_F(PasswordFileTest, AFileThatCannotBeReadIsAReadingFailure) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("unins000.dll")));
    EXPECT_EQ(pw::readPasswordFile(path()), std::nullopt);
    EXPECT_FALSE(pw::writePasswordFile(path(), QStringLiteral("AB")));
}

TEST_F(PasswordFileTest, RewritingKeepsTheRestOfTheFile) {
    write("; Selvadoro\r\n[Accesso]\r\nValore=E28D\r\n[Altro]\r\nX=1\r\n");
    ASSERT_TRUE(pw::writePasswordFile(path(), QStringLiteral("A")));
    EXPECT_EQ(bytes(), QByteArray("; Selvadoro\r\n[Accesso]\r\nValore=E2\r\n[Altro]\r\nX=1\r\n"));
}

class FailedPasswordWrite : public PasswordFileTest,
                            public ::testing::WithParamInterface<WriteFailure::Kind> {};

TEST_P(FailedPasswordWrite, LeavesTheStoredPasswordAsItWas) {
    write("[Accesso]\r\nValore=E28D\r\n");
    bool written;
    {
        WriteFailure failure(GetParam(), folder.path());
        if (!failure.possible()) GTEST_SKIP() << "this machine writes there anyway";
        written = pw::writePasswordFile(path(), QStringLiteral("NUOVA"));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(bytes(), QByteArray("[Accesso]\r\nValore=E28D\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("unins000.dll")});
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedPasswordWrite,
                         ::testing::Values(WriteFailure::Kind::ReadOnlyFolder,
                                           WriteFailure::Kind::FullDisk),
                         [](const auto& failure) { return WriteFailure::name(failure.param); });

TEST_F(PasswordFileTest, ANewDataFolderOpensWithTheDeliveredFile) {
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    ASSERT_TRUE(pw::writePasswordFile(QDir(program.path()).filePath(QStringLiteral("unins000.dll")),
                                      QStringLiteral("AB")));
    // Nothing in the data folder yet: the delivered file answers.
    EXPECT_EQ(pw::readStoredPassword(folder.path(), program.path()), QStringLiteral("AB"));
    // Once the data folder has its own, that one counts.
    write("[Accesso]\r\nValore=E2\r\n");
    EXPECT_EQ(pw::readStoredPassword(folder.path(), program.path()), QStringLiteral("A"));
}

// At the windows' start, an installed program (nothing of its own beside
// the executable) gives its data folder a password file with the
// first-access password; a portable folder and a file already there stay
// as they are.
TEST(PreparedDataFolder, AnInstalledProgramsDataFolderGetsTheFirstAccessPassword) {
    enum class After { NoFile, FirstAccess, AsItWas };
    struct Case {
        const char* name;
        bool portable;       // Guida.pdf and unins000.dll beside the program
        bool defaultFolder;  // the data folder is the default one
        bool folderExists;   // before the start
        bool stored;         // the data folder holds a changed password before
        bool folderAfter;    // the data folder exists after
        After file;          // the data folder's password file after
    };
    const Case cases[] = {
        {"installed, first start", false, true, false, false, true, After::FirstAccess},
        {"installed, folder without file", false, true, true, false, true, After::FirstAccess},
        {"installed, named folder", false, false, true, false, true, After::FirstAccess},
        {"installed, named folder missing", false, false, false, false, false, After::NoFile},
        {"installed, password changed", false, true, true, true, true, After::AsItWas},
        {"portable, new named folder", true, false, true, false, true, After::NoFile},
    };
    const QByteArray changed = "[Accesso]\r\nValore=E2\r\n";
    for (const Case& c : cases) {
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QString program = root.filePath(QStringLiteral("bin"));
        const QString data = root.filePath(QStringLiteral("Documenti/Selvadoro"));
        ASSERT_TRUE(QDir().mkpath(program));
        if (c.portable) {
            for (const char* delivered : {"Guida.pdf", "unins000.dll"}) {
                QFile file(QDir(program).filePath(QString::fromLatin1(delivered)));
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            }
        }
        if (c.folderExists) {
            ASSERT_TRUE(QDir().mkpath(data));
        }
        QFile file(QDir(data).filePath(QStringLiteral("unins000.dll")));
        if (c.stored) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(changed), changed.size());
            file.close();
        }

        EXPECT_TRUE(pw::prepareDataFolder(program, data, c.defaultFolder)) << c.name;

        EXPECT_EQ(QFileInfo(data).isDir(), c.folderAfter) << c.name;
        EXPECT_EQ(file.exists(), c.file != After::NoFile) << c.name;
        if (c.file == After::FirstAccess) {
            EXPECT_EQ(pw::readPasswordFile(file.fileName()),
                      pw::normalized(pw::firstAccessPassword()))
                << c.name;
        }
        if (c.file == After::AsItWas && file.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(file.readAll(), changed) << c.name;
        }
        // Nothing is ever written beside the program.
        EXPECT_EQ(QDir(program).entryList(QDir::Files).size(), c.portable ? 2 : 0) << c.name;
    }
}

TEST(TypedPassword, MatchesTheStoredOneIgnoringTheCaseOfAToZAndOuterBlanks) {
    const QString stored = QStringLiteral("PRIMAVERAPRATO");
    for (const char* typed :
         {"primaveraprato", "PRIMAVERAPRATO", "  primaveraprato\t ", "PrimaveraPrato"}) {
        EXPECT_TRUE(pw::matches(stored, QString::fromUtf8(typed))) << typed;
    }
    for (const char* typed : {"primavera prato", "primaveraprat", "primaveraprato!"}) {
        EXPECT_FALSE(pw::matches(stored, QString::fromUtf8(typed))) << typed;
    }
    // Only a to z change case: an accented letter stays as it is, so it
    // always reads back the way it was typed.
    EXPECT_EQ(pw::normalized(QStringLiteral(" caffè ")), QStringLiteral("CAFFè"));
    EXPECT_EQ(pw::normalized(QStringLiteral("\u00FF")), QStringLiteral("\u00FF"));
    EXPECT_TRUE(pw::matches(QStringLiteral("CAFFè "), QStringLiteral("Caffè")));
}

TEST(TypedPassword, RefusesWhatTheScramblingCannotKeep) {
    EXPECT_EQ(pw::unsuitable(QString(255, u'A')), std::nullopt);
    EXPECT_EQ(pw::unsuitable(QStringLiteral("àèìòù§£°ÿ")), std::nullopt);

    const std::optional<QString> tooLong = pw::unsuitable(QString(256, u'A'));
    ASSERT_TRUE(tooLong);
    EXPECT_TRUE(tooLong->contains(QStringLiteral("255 caratteri")));
    const std::optional<QString> euro = pw::unsuitable(QStringLiteral("CACCIA€"));
    ASSERT_TRUE(euro);
    EXPECT_TRUE(euro->contains(QStringLiteral("\"€\"")));
}

}  // namespace
