#include "shell/IniText.h"

#include <gtest/gtest.h>

namespace {

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

TEST(IniValue, FindsTheKeyOfItsSectionAsTheProfileFunctionsDo) {
    struct Case {
        const char* content;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {"[Accesso]\r\nValore=E28D\r\n", QStringLiteral("E28D")},
        {"[Accesso]\nValore=E28D", QStringLiteral("E28D")},                    // LF, no final break
        {"\xEF\xBB\xBF[Accesso]\r\nValore=E28D\r\n", QStringLiteral("E28D")},  // UTF-8 mark
        {"  [ accesso ]  \r\n  VALORE  =  E28D  \r\n", QStringLiteral("E28D")},
        {"[Altro]\r\nValore=11\r\n[Accesso]\r\n; Valore=22\r\nValore=33\r\nValore=44\r\n",
         QStringLiteral("33")},
        {"[Accesso]\r\nValore=\r\n", QString()},
        {"[Altro]\r\nValore=11\r\n", std::nullopt},
        {"Valore=11\r\n[Accesso]\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ini::value(QByteArray(c.content), kSection, kKey), c.expected) << c.content;
    }
}

TEST(IniWithValue, WritesANewFileInTheUsualLayout) {
    EXPECT_EQ(ini::withValue(QByteArray(), kSection, kKey, QStringLiteral("E28D")),
              QByteArray("[Accesso]\r\nValore=E28D\r\n"));
}

TEST(IniWithValue, ChangesOnlyThatKeyAndKeepsEverythingElse) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        // Replaced in place, other sections and comments kept byte for byte.
        {"; nota \xE0\r\n[Altro]\r\nValore=11\r\n[ACCESSO]\r\nvalore = 22\r\nAltra=3\r\n",
         "; nota \xE0\r\n[Altro]\r\nValore=11\r\n[ACCESSO]\r\nValore=E28D\r\nAltra=3\r\n"},
        // Added at the end of its section, before the next one.
        {"[Accesso]\nAltra=3\n\n[Dopo]\nX=1\n",
         "[Accesso]\r\nAltra=3\r\nValore=E28D\r\n\r\n[Dopo]\r\nX=1\r\n"},
        // The section added at the end of the file.
        {"[Altro]\r\nX=1", "[Altro]\r\nX=1\r\n\r\n[Accesso]\r\nValore=E28D\r\n"},
    };
    for (const Case& c : cases) {
        const QByteArray after =
            ini::withValue(QByteArray(c.before), kSection, kKey, QStringLiteral("E28D"));
        EXPECT_EQ(after, QByteArray(c.after)) << c.before;
        EXPECT_EQ(ini::value(after, kSection, kKey), QStringLiteral("E28D"));
    }
}

}  // namespace
