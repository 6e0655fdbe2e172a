#include "base/Paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A program folder and a documents folder in a temporary folder, laid out
// as a portable folder, the bin/ of an installation or anything between.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("usr/bin")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("home/Documenti")));
        saved = paths::dataFolder();
    }
    void TearDown() override {
        QFile::setPermissions(program(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        paths::setDataFolder(saved);
    }
    QString program() const { return root.filePath(QStringLiteral("usr/bin")); }
    QString documents() const { return root.filePath(QStringLiteral("home/Documenti")); }
    void put(const QString& relative) const {
        const QString path = root.filePath(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write("x"), 1);
    }

    QTemporaryDir root;
    QString saved;
};

TEST_F(ProgramFolderTest, AWritableFolderWithTheGuideKeepsTheDataBesideTheProgram) {
    struct Case {
        const char* files;  // beside the program, separated by blanks
        bool portable;
    };
    const Case cases[] = {
        {"Guida.pdf selvadoro", true},           // a portable folder
        {"Guida.pdf", true},                     // the guide marks it
        {"selvadoro", false},                    // /usr/bin: the program alone
        {"", false},                             //
        {"unins000.dll Cacciatori.pro", false},  // data, but not the program's files
    };
    for (const Case& c : cases) {
        QDir(program()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(program()));
        for (const QString& file : QString::fromLatin1(c.files).split(u' ', Qt::SkipEmptyParts)) {
            put(QStringLiteral("usr/bin/") + file);
        }
        EXPECT_EQ(paths::isPortableFolder(program()), c.portable) << c.files;
        EXPECT_EQ(paths::defaultDataFolder(program(), documents()),
                  c.portable ? program() : documents() + QStringLiteral("/Selvadoro"))
            << c.files;
    }
}

TEST_F(ProgramFolderTest, AFolderThatCannotBeWrittenIsAnInstalledProgramsEvenWithTheGuide) {
    put(QStringLiteral("usr/bin/Guida.pdf"));
    ASSERT_TRUE(QFile::setPermissions(program(), QFile::ReadOwner | QFile::ExeOwner));
    if (::access(QFile::encodeName(program()).constData(), W_OK) == 0) {
        GTEST_SKIP() << "every folder can be written by this user (root)";
    }
    EXPECT_FALSE(paths::isPortableFolder(program()));
    EXPECT_EQ(paths::defaultDataFolder(program(), documents()),
              documents() + QStringLiteral("/Selvadoro"));
}

TEST_F(ProgramFolderTest, DeliveredFilesAreBesideTheProgramOrInTheInstalledShareFolder) {
    put(QStringLiteral("usr/bin/Avviso.mp3"));
    put(QStringLiteral("usr/share/selvadoro/Avviso.mp3"));
    put(QStringLiteral("usr/share/selvadoro/Guida.pdf"));
    EXPECT_EQ(paths::deliveredFile(program(), QStringLiteral("Avviso.mp3")),
              program() + QStringLiteral("/Avviso.mp3"));
    EXPECT_EQ(paths::deliveredFile(program(), QStringLiteral("Guida.pdf")),
              root.filePath(QStringLiteral("usr/share/selvadoro/Guida.pdf")));
    // Missing everywhere: the place beside the program.
    EXPECT_EQ(paths::deliveredFile(program(), QStringLiteral("Altro.pdf")),
              program() + QStringLiteral("/Altro.pdf"));
}

TEST_F(ProgramFolderTest, TheSoundModuleIsLookedForBesideTheProgramThenInTheModuleFolder) {
    const QStringList folders = paths::moduleFolders(program());
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders.at(0), program());
    // usr/lib/selvadoro, or the same in the multiarch folder.
    EXPECT_TRUE(folders.at(1).startsWith(root.filePath(QStringLiteral("usr/lib/"))))
        << folders.at(1).toStdString();
    EXPECT_TRUE(folders.at(1).endsWith(QStringLiteral("/selvadoro")))
        << folders.at(1).toStdString();
}

TEST_F(ProgramFolderTest, TheFolderNamedAtStartWinsOverTheDefault) {
    struct Case {
        QStringList args;
        const char* environment;  // SELVADORO_CARTELLA, nullptr: unset
        QString expected;         // empty: the default
    };
    const QString named = root.filePath(QStringLiteral("archivi"));
    const QString environment = root.filePath(QStringLiteral("condivisa"));
    const Case cases[] = {
        {{QStringLiteral("selvadoro")}, nullptr, QString()},
        {{QStringLiteral("selvadoro"), QStringLiteral("--cartella"), named}, nullptr, named},
        {{QStringLiteral("selvadoro"), QStringLiteral("--cartella=") + named}, nullptr, named},
        {{QStringLiteral("selvadoro")}, "env", environment},
        {{QStringLiteral("selvadoro"), QStringLiteral("--cartella"), named}, "env", named},
    };
    for (const Case& c : cases) {
        if (c.environment) {
            qputenv("SELVADORO_CARTELLA", QFile::encodeName(environment));
        } else {
            qunsetenv("SELVADORO_CARTELLA");
        }
        QStringList args = c.args;
        ASSERT_TRUE(paths::configure(args, nullptr));
        EXPECT_EQ(args, QStringList{QStringLiteral("selvadoro")});
        EXPECT_EQ(paths::dataFolder(),
                  c.expected.isEmpty() ? paths::defaultDataFolder() : c.expected)
            << c.args.join(u' ').toStdString();
        EXPECT_EQ(paths::usesDefaultDataFolder(), c.expected.isEmpty())
            << c.args.join(u' ').toStdString();
    }
    qunsetenv("SELVADORO_CARTELLA");
}

}  // namespace
