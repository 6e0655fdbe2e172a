#include "lists/RecordList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "base/Cp1252.h"
#include "records/RecordCodec.h"

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

// The order of a list, written plainly: the case-folded characters as bytes
// of the code page ('?' for those it does not hold), the shorter first when
// one begins the other; then the text's UTF-8 bytes; then the record.
bool listsBefore(const ListLine& a, const ListLine& b, CaseFolding folding) {
    const auto keysOf = [folding](const QString& text) {
        QByteArray keys;
        for (const QChar c : text) {
            const char16_t folded = folding == CaseFolding::AllLetters ? c.toCaseFolded().unicode()
                                    : c >= u'A' && c <= u'Z'           ? char16_t(c.unicode() + 32)
                                                                       : c.unicode();
            keys.append(cp1252::byteOf(folded));
        }
        return keys;
    };
    const auto bytesBefore = [](const QByteArray& x, const QByteArray& y) {
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                            [](char p, char q) { return uchar(p) < uchar(q); });
    };
    const QByteArray ka = keysOf(a.text);
    const QByteArray kb = keysOf(b.text);
    if (ka != kb) return bytesBefore(ka, kb);
    if (a.text != b.text) return bytesBefore(a.text.toUtf8(), b.text.toUtf8());
    return a.record < b.record;
}

// Lines as lists hold them: a surname and name filled to 30 characters,
// then a tax code.
QString listLine(const QString& person, const QString& code) {
    return pad(person, 30) + QStringLiteral("C.F. ") + code;
}

// Lines that share more than their first sixteen characters, that differ
// only in letter case, in an accent or past a character of two bytes,
// that are the same text in two records, that begin one another, with
// characters the code page does not hold; in the order of each folding.
TEST(SortLines, OrdersVariedLinesByFoldedCharactersThenBytesThenRecord) {
    const QList<ListLine> lines{
        {1, listLine(QStringLiteral("Rossi Mario"), QStringLiteral("RSSMRA80A01H501B"))},
        {2, listLine(QStringLiteral("ROSSI MARIO"), QStringLiteral("RSSMRA80A01H501A"))},
        {3, listLine(QStringLiteral("Rossi Mario"), QStringLiteral("RSSMRA80A01H501A"))},
        {4, listLine(QStringLiteral("Rossi Niccolò"), QStringLiteral("B"))},
        {5, listLine(QStringLiteral("Rossi Niccolo"), QStringLiteral("C"))},
        {6, listLine(QStringLiteral("ROSSI NICCOLÒ"), QStringLiteral("A"))},
        {7, listLine(QStringLiteral("Rossi Mario"), QStringLiteral("RSSMRA80A01H501A"))},
        {8, QStringLiteral("Rossi Mario")},
        {9, QStringLiteral("Città di Castello Mario")},
        {10, QStringLiteral("CITTÀ DI CASTELLO MARIO")},
        {11, QStringLiteral("Citta di Castello Mario")},
        {12, QStringLiteral("Èrba Zeno")},
        {13, QStringLiteral("èrba Aldo")},
        {14, QStringLiteral("Erba Zeno")},
        {15, QStringLiteral("Łucja Rossi")},
        {16, QStringLiteral("?ucja Rossi")},
    };
    struct Case {
        CaseFolding folding;
        QList<qsizetype> records;
    };
    const Case cases[] = {
        // È and è fold alike, so "èrba a" comes before "Èrba z".
        {CaseFolding::AllLetters, {16, 15, 11, 10, 9, 14, 8, 2, 3, 7, 1, 5, 6, 4, 13, 12}},
        // È (0xC8) stays before è (0xE8) when only A to Z fold.
        {CaseFolding::AtoZ, {16, 15, 11, 10, 9, 14, 8, 2, 3, 7, 1, 5, 6, 4, 12, 13}},
    };
    for (const Case& c : cases) {
        QList<ListLine> sorted = lines;
        sortLines(sorted, c.folding);
        QList<qsizetype> records;
        for (const ListLine& line : sorted) records.append(line.record);
        EXPECT_EQ(records, c.records) << (c.folding == CaseFolding::AtoZ ? "A-Z" : "tutte");
        EXPECT_TRUE(std::is_sorted(
            sorted.begin(), sorted.end(),
            [&](const ListLine& a, const ListLine& b) { return listsBefore(a, b, c.folding); }));
    }
}

// Many lines of a few surnames and names, in capitals or not, with and
// without accents, of varied lengths and endings, many the same for their
// first sixteen characters or more: sorted as the plain order says.
TEST(SortLines, OrdersManyVariedLinesAsThePlainOrderSays) {
    const QStringList surnames{QStringLiteral("Rossi"),      QStringLiteral("ROSSI"),
                               QStringLiteral("Rossetti"),   QStringLiteral("Cantù"),
                               QStringLiteral("CANTÙ"),      QStringLiteral("Canto"),
                               QStringLiteral("D'Angelo"),   QStringLiteral("De Luca"),
                               QStringLiteral("Dell'Acqua"), QStringLiteral("Nicolò")};
    const QStringList names{QStringLiteral("Mario"), QStringLiteral("MARIO"),
                            QStringLiteral("Mosè"),  QStringLiteral("MOSÈ"),
                            QStringLiteral("Marco"), QStringLiteral("Niccolò"),
                            QStringLiteral("Zeno"),  QStringLiteral("Ætius"),
                            QStringLiteral("Œdipo"), QStringLiteral("Ÿves")};
    const QStringList codes{QStringLiteral("RSSMRA80A01H501A"), QStringLiteral("rssmra80a01h501a"),
                            QStringLiteral("RSSMRA80A01H501"), QString(), QStringLiteral("è")};
    QList<ListLine> lines;
    qsizetype record = 0;
    for (int round = 0; round < 3; ++round) {
        for (const QString& surname : surnames) {
            for (const QString& name : names) {
                const QString& code = codes.at((++record + round) % codes.size());
                const QString person = surname + u' ' + name;
                lines.append({record, round == 2 ? person + u' ' + code : listLine(person, code)});
            }
        }
    }
    for (const CaseFolding folding : {CaseFolding::AllLetters, CaseFolding::AtoZ}) {
        QList<ListLine> expected = lines;
        std::sort(
            expected.begin(), expected.end(),
            [folding](const ListLine& a, const ListLine& b) { return listsBefore(a, b, folding); });
        QList<ListLine> sorted = lines;
        sortLines(sorted, folding);
        EXPECT_EQ(sorted, expected) << (folding == CaseFolding::AtoZ ? "A-Z" : "tutte");
    }
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
