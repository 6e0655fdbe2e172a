#include "report/TextMetrics.h"

#include <gtest/gtest.h>

#include <QFont>

#include "report/Report.h"

namespace {

// A text of many lines (a printed list) settles most of its lines without
// measuring them; each line must still break exactly where it breaks in a
// text of its own. The lines around the width of the printed list, in the
// list's font: as many characters as fit and one more, letters beyond
// ASCII, characters the font may not hold, tabs, words and blanks.
TEST(WrapLines, ALongTextBreaksEachLineAsAShortTextWould) {
    const QFont font(QStringLiteral("Courier New"), 8);
    const double width = report::mm(277) - 2 * report::kTextPadding;
    qsizetype fit = 1;
    while (report::textWidth(font, QString(fit + 1, u'x')) <= width) ++fit;
    ASSERT_GT(fit, 100);
    ASSERT_EQ(report::wrapLines(QString(fit, u'x'), font, width).size(), 1);
    ASSERT_EQ(report::wrapLines(QString(fit + 1, u'x'), font, width).size(), 2);

    const QStringList kinds{
        QString(fit - 1, u'x'),
        QString(fit, u'x'),
        QString(fit + 1, u'x'),
        QString(fit, u'W'),
        QString(fit, QChar(0xE0)),      // à
        QString(fit + 1, QChar(0xE0)),  // à
        QString(fit / 2 + 1, QChar(0x6F22)),
        QString(fit - 10, QChar(0x2400)) + QStringLiteral("fine"),
        QStringLiteral("Rossi\tMario") + QString(fit - 12, u' ') + u'x',
        QStringLiteral("parola ").repeated(fit / 7 + 2),
        QString(),
        QString(fit + 3, u' '),
    };
    QStringList many;
    QStringList expected;
    while (many.size() < 600) {
        for (const QString& line : kinds) {
            many.append(line);
            expected += report::wrapLines(line, font, width);
        }
    }
    EXPECT_EQ(report::wrapLines(many.join(u'\n'), font, width), expected);
}

}  // namespace
