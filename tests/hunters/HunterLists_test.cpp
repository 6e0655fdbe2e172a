#include "hunters/HunterLists.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "hunters/TRecCacciatore.h"
#include "lists/RecordList.h"
#include "support/HunterArchive.h"

namespace {

class HunterListsTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Cacciatori.pro")); }
    QStringList surnames(const ListResult& result) const {
        QStringList names;
        for (const ListLine& line : result.lines) names.append(line.text.left(28).trimmed());
        return names;
    }
    ListResult search(const QStringList& texts) const {
        return hunters::search().run(path(), texts);
    }
    QTemporaryDir dir;
};

TEST_F(HunterListsTest, SearchCombinesPartialKeysIgnoringCase) {
    ASSERT_TRUE(writeHunters(
        path(),
        {{"Rossi", "Mario"}, {"Rossi", "Luigi"}, {"Rossetti", "Marta"}, {"Bianchi", "Anna"}}));
    struct Case {
        QStringList criteria;  // surname, name, ... in the window's order
        QStringList found;
    } cases[] = {
        {{"ross", "mar"}, {"Rossetti Marta", "Rossi Mario"}},
        {{}, {"Bianchi Anna", "Rossetti Marta", "Rossi Luigi", "Rossi Mario"}},
        {{"   ", "   "}, {"Bianchi Anna", "Rossetti Marta", "Rossi Luigi", "Rossi Mario"}},
        {{"rossi "}, {}},  // the blank is searched too
        {{"ROSSI", " "}, {"Rossi Luigi", "Rossi Mario"}},
        {{"", "", "", "", "", "", "", "", "", "zzz"}, {}},
    };
    for (const Case& c : cases) {
        const ListResult result = search(c.criteria);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(surnames(result), c.found) << qPrintable(c.criteria.join(u'|'));
    }
}

// Only the criteria in use count: a criterion of blanks only never stands
// in for one that fails, even where the field holds blanks.
TEST_F(HunterListsTest, ABlankOnlyCriterionNeverStandsInForOneThatFails) {
    ASSERT_TRUE(writeHunters(path(), {{.surname = "Rossi", .name = "Mario", .note = "ha due cani"},
                                      {.surname = "Bianchi", .name = "Anna", .note = "nessuna"}}));
    const QString none;
    const auto withNote = [&](const QString& surname, const QString& note) {
        return QStringList{surname, none, none, none, none, none, none, none, none, note};
    };
    struct Case {
        QStringList criteria;
        QStringList found;
    } cases[] = {
        {withNote(QStringLiteral("zzzz"), QStringLiteral(" ")), {}},
        {withNote(QStringLiteral("zzzz"), QStringLiteral("   ")), {}},
        {withNote(QStringLiteral("ross"), QStringLiteral(" ")), {"Rossi Mario"}},
        {withNote(none, QStringLiteral(" ")), {"Bianchi Anna", "Rossi Mario"}},
        {withNote(QStringLiteral("ross"), QStringLiteral("cani")), {"Rossi Mario"}},
        {withNote(QStringLiteral("bian"), QStringLiteral("cani")), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(surnames(search(c.criteria)), c.found) << qPrintable(c.criteria.join(u'|'));
    }
}

TEST_F(HunterListsTest, ItemTextsAreFixedWidth) {
    const QString longName(40, u'A');
    FieldValues values(50);
    values[0] = longName;
    values[1] = QStringLiteral("B");
    values[2] = QStringLiteral("RSSMRA80A01H501U");
    values[40] = QStringLiteral("10/05/2024");
    values[42] = QStringLiteral("150,00");
    const QString search = hunters::searchItem(values);
    EXPECT_EQ(search.indexOf(QStringLiteral("  C.F. ")), 28);
    EXPECT_EQ(search.mid(35, 16), QStringLiteral("RSSMRA80A01H501U"));
    const QString summary = hunters::summaryItem(values);
    EXPECT_EQ(summary.indexOf(QStringLiteral("  C.F. ")), 30);
    EXPECT_TRUE(summary.endsWith(QStringLiteral("  Scad. porto: 10/05/2024  Tassa: € 150,00")));
}

TEST_F(HunterListsTest, PermitSummaryListsFromTheNoticeDaysOn) {
    const QDate today(2024, 5, 10);
    struct Case {
        const char* expiry;
        const char* notice;
        bool listed;
    } cases[] = {
        {"20/05/2024", "10", true}, {"20/05/2024", "9", false}, {"01/01/2024", "0", true},
        {"10/05/2024", "0", true},  {"11/05/2024", "0", false}, {"31/02/2024", "0", false},
        {"20/05/2024", "", false},  {"20/05/2024", "x", false},
    };
    const RecordLayout& layout = TRecCacciatore::layout();
    for (const Case& c : cases) {
        FieldValues values(50);
        values[layout.indexOfField(u"Scadenza")] = QString::fromLatin1(c.expiry);
        values[layout.indexOfField(u"Preavviso")] = QString::fromLatin1(c.notice);
        EXPECT_EQ(hunters::permitCondition(values, today), c.listed) << c.expiry << " " << c.notice;
    }
}

TEST_F(HunterListsTest, ADamagedCardDoesNotHideTheCardsAfterIt) {
    ASSERT_TRUE(writeHunters(
        path(), {{.surname = "Primo", .name = "A", .expiry = "01/01/2024", .notice = "0"},
                 {.surname = "Rotto", .name = "B", .expiry = "99/99/9999", .notice = "0"},
                 {.surname = "Guasto", .name = "D", .expiry = "01/01/2024", .notice = "?"},
                 {.surname = "Terzo", .name = "C", .expiry = "01/01/2024", .notice = "0"}}));
    const ListResult result = hunters::permitSummary().build(path(), QDate(2024, 5, 10));
    QStringList listed;
    for (const ListLine& line : result.lines) listed.append(line.text.left(30).trimmed());
    EXPECT_EQ(listed, (QStringList{"Primo A", "Terzo C"}));
    EXPECT_EQ(result.lines.at(1).record, 4);
}

TEST_F(HunterListsTest, EachLineOpensItsOwnRecordEvenWhenTextsAreEqual) {
    ASSERT_TRUE(writeHunters(path(), {{.surname = "Rossi", .name = "Mario", .note = "primo"},
                                      {.surname = "Rossi", .name = "Mario", .note = "secondo"}}));
    const ListResult result = search({});
    ASSERT_EQ(result.lines.size(), 2);
    EXPECT_EQ(result.lines.at(0).text, result.lines.at(1).text);
    const SearchDefinition& s = hunters::search();
    const qsizetype note = TRecCacciatore::layout().indexOfField(u"Note");
    for (const ListLine& line : result.lines) {
        const auto found = recordForLine(*s.layout, path(), line, s.itemText);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->number, line.record);
        EXPECT_EQ(found->values.at(note), line.record == 1 ? u"primo" : u"secondo");
    }

    // The file changed meanwhile: record 1 is someone else now, so the line
    // is found by its text, the last record that gives it.
    ASSERT_TRUE(writeHunters(path(), {{"Verdi", "Ugo"},
                                      {.surname = "Rossi", .name = "Mario", .note = "secondo"},
                                      {.surname = "Rossi", .name = "Mario", .note = "terzo"}}));
    const auto moved = recordForLine(*s.layout, path(), {1, result.lines.at(0).text}, s.itemText);
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(moved->number, 3);
    EXPECT_FALSE(recordForLine(*s.layout, path(), {1, QStringLiteral("nessuno")}, s.itemText));
}

}  // namespace
