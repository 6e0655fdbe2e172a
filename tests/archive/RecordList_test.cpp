#include "archive/RecordList.h"

#include <gtest/gtest.h>

#include <array>

#include "archive/RecordCodec.h"

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

// The texts read field by field into the same list, record after record,
// are those loadedValues gives: both encodings, the code page's bytes
// 0x80-0x9F, blanks around a length-prefixed text, a shorter text after a
// longer one.
TEST(FieldLoader, LoadsTheTextsLoadedValuesGivesRecordAfterRecord) {
    constexpr std::array fields{FieldSpec{"Uno", 6, "txtUno"}, FieldSpec{"Due", 4, "txtDue"},
                                FieldSpec{"Tre", 5, "txtTre"}};
    for (const FieldEncoding encoding :
         {FieldEncoding::LengthPrefixed, FieldEncoding::ZeroTerminated}) {
        const RecordLayout layout{"prova.pro", encoding, fields};
        FieldLoader loader(layout, {0, 2});
        const QList<QByteArray> records{
            QByteArray(
                encoding == FieldEncoding::LengthPrefixed ? "\x06 \x80x\x9Fy " : "\x80xy\0\0\0\0",
                7) +
                QByteArray(5, 'z') +
                QByteArray(encoding == FieldEncoding::LengthPrefixed ? "\x03"
                                                                       "abc\0\0"
                                                                     : "abc\0\0\0",
                           6),
            QByteArray(
                encoding == FieldEncoding::LengthPrefixed ? "\x01q\0\0\0\0\0" : "q\0\0\0\0\0\0",
                7) +
                QByteArray(5, 'z') + QByteArray(6, '\0'),
        };
        for (const QByteArray& record : records) {
            ASSERT_EQ(record.size(), layout.recordSize());
            FieldValues expected = loadedValues(layout, record, nullptr);
            expected[1].clear();  // not asked for
            EXPECT_EQ(loader.load(record), expected);
        }
    }
}

TEST(Pad, CutsOrFillsToTheWidth) {
    EXPECT_EQ(pad(QStringLiteral("abc"), 5), QStringLiteral("abc  "));
    EXPECT_EQ(pad(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(pad(QString(), 2), QStringLiteral("  "));
}

}  // namespace
