#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Archives.h"
#include "app/CommandLine.h"
#include "hunters/HunterHelp.h"
#include "shell/AccessPassword.h"
#include "shell/HelpTopics.h"
#include "support/CommandRun.h"
#include "support/WriteFailure.h"

namespace {

CommandResult run(const QStringList& args) {
    return runCommand(args);
}

TEST(GuideCommand, PrintsEveryTopicOrTheOneNamed) {
    const CommandResult titles = run({QStringLiteral("guida"), QStringLiteral("--titoli")});
    EXPECT_EQ(titles.status, 0);
    QStringList expected;
    for (const HelpTopic* topic : archives::helpTopics()) expected.append(topic->title);
    EXPECT_EQ(titles.out, expected.join(u'\n') + u'\n');

    const CommandResult one = run({QStringLiteral("guida"), QStringLiteral("anagrafica")});
    EXPECT_EQ(one.status, 0);
    const HelpTopic& card = hunters::cardTopic();
    EXPECT_EQ(one.out, QStringLiteral("App Anagrafica Cacciatori\n") + QString(25, u'=') +
                           QStringLiteral("\n\n") + card.paragraphs.join(QStringLiteral("\n\n")) +
                           u'\n');

    const CommandResult all = run({QStringLiteral("guida")});
    EXPECT_EQ(all.status, 0);
    for (const HelpTopic* topic : archives::helpTopics()) {
        EXPECT_TRUE(all.out.contains(topic->title + u'\n' + QString(topic->title.size(), u'=')));
        EXPECT_TRUE(all.out.contains(topic->paragraphs.last()));
    }
}

TEST(GuideCommand, UsageErrorsExitWithTwo) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("guida"), QStringLiteral("nessuno")},
          QStringList{QStringLiteral("guida"), QStringLiteral("--pdf")},
          QStringList{QStringLiteral("guida"), QStringLiteral("--titoli"), QStringLiteral("x")},
          QStringList{QStringLiteral("password-iniziale")}}) {
        const CommandResult r = run(args);
        EXPECT_EQ(r.status, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(GuideCommand, WritesTheGuideAsPdfOrLeavesTheOldOne) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("Guida.pdf"));
    const CommandResult written = run({QStringLiteral("guida"), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(written.status, 0) << written.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF-"));
    file.close();

    // A failure leaves the guide that was there.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("vecchia guida");
    file.close();
    CommandResult failed;
    {
        WriteFailure full(WriteFailure::Kind::FullDisk, folder.path());
        failed = run({QStringLiteral("guida"), QStringLiteral("--pdf"), pdf});
    }
    EXPECT_EQ(failed.status, 1);
    EXPECT_FALSE(failed.err.isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("vecchia guida"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Guida.pdf")});

    const CommandResult nowhere = run({QStringLiteral("guida"), QStringLiteral("--pdf"),
                                       folder.filePath(QStringLiteral("manca/Guida.pdf"))});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_FALSE(nowhere.err.isEmpty());
}

TEST(FirstPasswordCommand, WritesTheDeliveredPasswordFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("unins000.dll"));
    const CommandResult r = run({QStringLiteral("password-iniziale"), path});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // PRIMAVERAPRATO scrambled with the program's constants: installations
    // in use hold this very value, so it must never change.
    EXPECT_EQ(file.readAll(), QByteArray("[Accesso]\r\nValore=F3059EB494D4BBFB286B9A05F29E\r\n"));
    EXPECT_EQ(accesspassword::readPasswordFile(path), QStringLiteral("PRIMAVERAPRATO"));

    const CommandResult failed = run({QStringLiteral("password-iniziale"),
                                      folder.filePath(QStringLiteral("manca/unins000.dll"))});
    EXPECT_EQ(failed.status, 1);
    EXPECT_FALSE(failed.err.isEmpty());
}

}  // namespace
