#include "archive/RecordList.h"

#include <gtest/gtest.h>

namespace {

QList<ListLine> linesOf(const QStringList& texts) {
    QList<ListLine> lines;
    for (qsizetype i = 0; i < texts.size(); ++i) lines.append({i + 1, texts.at(i)});
    return lines;
}

TEST(FindInList, StepsThroughTheMatchesAndWrapsAround) {
    const QList<ListLine> lines =
        linesOf({QStringLiteral("Mario"), QStringLiteral("Luigi"), QStringLiteral("Marta")});
    QString memory;
    qsizetype selected = -1;
    const qsizetype expected[] = {0, 2, 0, 2};
    for (qsizetype want : expected) {
        selected = findInList(lines, selected, QStringLiteral("MA"), memory);
        EXPECT_EQ(selected, want);
    }
    // A new text starts again from the first line.
    EXPECT_EQ(findInList(lines, 2, QStringLiteral("lu"), memory), 1);
    // Nothing found: the selection stays; with none, the first is selected.
    EXPECT_EQ(findInList(lines, 1, QStringLiteral("zz"), memory), 1);
    EXPECT_EQ(findInList(lines, -1, QStringLiteral("yy"), memory), 0);
    EXPECT_EQ(findInList(lines, 2, QString(), memory), 2);  // an empty text matches nothing
    EXPECT_EQ(findInList({}, -1, QStringLiteral("ma"), memory), -1);
}

TEST(SortLines, OrdersAlphabeticallyIgnoringCaseAndKeepsEqualTextsByRecord) {
    QList<ListLine> lines{{1, QStringLiteral("rossi")},
                          {2, QStringLiteral("Bianchi")},
                          {3, QStringLiteral("Rossi")},
                          {4, QStringLiteral("bianchi")},
                          {5, QStringLiteral("Bianchi")}};
    sortLines(lines);
    const QList<ListLine> expected{{2, QStringLiteral("Bianchi")},
                                   {5, QStringLiteral("Bianchi")},
                                   {4, QStringLiteral("bianchi")},
                                   {3, QStringLiteral("Rossi")},
                                   {1, QStringLiteral("rossi")}};
    EXPECT_EQ(lines, expected);
}

TEST(Pad, CutsOrFillsToTheWidth) {
    EXPECT_EQ(pad(QStringLiteral("abc"), 5), QStringLiteral("abc  "));
    EXPECT_EQ(pad(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(pad(QString(), 2), QStringLiteral("  "));
}

}  // namespace
