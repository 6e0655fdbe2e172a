#include "base/TextRules.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRules, ControlCharactersBecomeVisibleSymbols) {
    struct Case {
        QString stored;
        QString shown;
    } cases[] = {
        {QStringLiteral("Rossi\r\nMario"), QStringLiteral("Rossi␍␊Mario")},
        {QStringLiteral("a\tb"), QStringLiteral("a␉b")},
        {QStringLiteral("\x1b[31mrosso"), QStringLiteral("␛[31mrosso")},
        {QString(QChar(u'\x7f')), QStringLiteral("␡")},
        {QString(QChar(u'\x85')), QString(QChar(0xFFFD))},
        {QStringLiteral("Città € <b>"), QStringLiteral("Città € <b>")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text::visibleControls(c.stored), c.shown) << qPrintable(c.stored);
    }
}

}  // namespace
