#include "base/FileErrors.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/EnglishWords.h"

namespace {

TEST(FileErrors, TheCommonCausesAreSaidInItalian) {
    struct Case {
        const char* system;
        const char* shown;
    } cases[] = {
        {"No space left on device", "spazio su disco esaurito"},
        {"File too large", "spazio su disco esaurito (il file non può crescere oltre)"},
        {"Permission denied", "accesso negato: la cartella o il file non si possono scrivere"},
        {"Read-only file system", "il disco è protetto in scrittura"},
        {"Text file busy", "il file è in uso da un altro programma"},
        {"Unknown error", "errore di scrittura (il disco potrebbe essere pieno)"},
        {"Existing file /dati/Anagrafica_Cacciatori.xls is not writable",
         "il file esistente è protetto in scrittura"},
        {"Broken pipe", "errore del file system"},  // anything else: never the system's words
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileerror::italian(QString::fromLatin1(c.system)), QString::fromUtf8(c.shown))
            << c.system;
    }
}

// The program's own causes, and a file's failure whatever the system said:
// Italian.
TEST(FileErrors, EveryCauseAndEveryFilesFailureIsItalian) {
    using fileerror::Cause;
    for (int c = int(Cause::Locked); c <= int(Cause::FileSystem); ++c) {
        const QString text = fileerror::text(Cause(c));
        EXPECT_FALSE(text.isEmpty()) << c;
        EXPECT_EQ(englishWordsIn(text), "") << text.toStdString();
    }
    QTemporaryDir folder;
    QFile missing(folder.filePath(QStringLiteral("manca/file.txt")));
    EXPECT_FALSE(missing.open(QIODevice::ReadOnly));
    EXPECT_EQ(fileerror::of(missing), QStringLiteral("il file o la cartella non esistono"));
    QFile folderItself(folder.path());
    EXPECT_FALSE(folderItself.open(QIODevice::ReadOnly));
    EXPECT_EQ(englishWordsIn(fileerror::of(folderItself)), "")
        << fileerror::of(folderItself).toStdString();
}

}  // namespace
