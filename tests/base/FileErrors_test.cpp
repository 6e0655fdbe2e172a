#include "base/FileErrors.h"

#include <gtest/gtest.h>

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
        {"Broken pipe", "Broken pipe"},  // anything else as the system says it
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileerror::italian(QString::fromLatin1(c.system)), QString::fromUtf8(c.shown))
            << c.system;
    }
}

}  // namespace
