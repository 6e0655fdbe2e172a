// Stored texts written by other programs, hostile ones among them, as the
// command line lists them: one line per record, whatever the text holds,
// and no control character reaching the terminal.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/HunterArchive.h"

namespace {

TEST(HostileText, TheCommandLineListsEachRecordOnOneVisibleLine) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    paths::setDataFolder(folder.path());
    const QList<QByteArray> surnames{
        "Rossi\r\n9\tFalsa riga",     // a forged line
        "\x1b]0;titolo\x07\x1b[2J",   // terminal escapes
        "<img src=\"/etc/passwd\">",  // markup
        "../../etc/passwd",           // a path
        "C:\\Windows\\win.ini",       // a Windows path
        QByteArray(50, '\xff'),       // every byte set
    };
    QList<TestHunter> hunters;
    for (const QByteArray& surname : surnames) hunters.append({.surname = surname});
    ASSERT_TRUE(writeHunters(folder.filePath(QStringLiteral("Cacciatori.pro")), hunters));

    const CommandResult r = runCommand({QStringLiteral("cerca"), QStringLiteral("anagrafica")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), surnames.size()) << qPrintable(r.out);
    for (const QString& line : lines) {
        EXPECT_EQ(line.count(u'\t'), 1) << qPrintable(line);  // the record number's own
        for (const QChar c : line) {
            EXPECT_TRUE(c == u'\t' || c.unicode() >= 0x20) << qPrintable(line);
        }
    }
    EXPECT_TRUE(r.out.contains(QStringLiteral("Rossi␍␊9␉Falsa riga")));
}

}  // namespace
