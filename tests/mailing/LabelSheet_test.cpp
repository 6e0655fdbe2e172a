#include "mailing/LabelSheet.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "report/TextMetrics.h"
#include "support/PageWords.h"

namespace {

using mailing::LabelFormat;

// The label (slot on its sheet) whose rectangle holds the centre of `box`.
int slotOf(const LabelFormat& format, const QRectF& box) {
    for (int slot = 0; slot < format.perSheet(); ++slot) {
        if (pointsOf(format.labelRect(slot)).contains(box.center())) return slot;
    }
    return -1;
}

struct SheetCase {
    const char* name;
    LabelFormat format;
    int start;
};

LabelFormat customFormat() {
    return LabelFormat{QStringLiteral("personalizzato"), 4, 10, 48, 25.4, 8, 20, 49, 26};
}

class LabelSheets : public ::testing::TestWithParam<SheetCase> {};

// Every label of two sheets, each beginning with its tag "Lnn" and a name
// far longer than a label: each word read back lies inside its own label,
// the first label at the start position.
TEST_P(LabelSheets, EveryWordStaysInsideItsOwnLabelFromTheStartPosition) {
    const SheetCase& c = GetParam();
    ASSERT_EQ(c.format.problem(), QString());
    QList<QStringList> labels;
    const int count = c.format.perSheet() + 3 - c.start + 1;  // into the second sheet
    for (int i = 0; i < count; ++i) {
        labels.append(
            {QStringLiteral("L%1 Dell'Acquaviva D'Aragona Massimiliano Maria Giuseppe "
                            "Francesco Sebastiano")
                 .arg(i + 1, 2, 10, QChar(u'0')),
             QStringLiteral("Via delle Querce Secolari del Bosco Vecchio 1234/B interno 7"),
             QStringLiteral("53100 Castelnuovo Berardenga (SI)")});
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("etichette.pdf"));
    QString error;
    ASSERT_TRUE(report::writePdf(
        report::prepare(mailing::labelSheets(c.format, labels, c.start), QDate(2024, 3, 7)), path,
        &error))
        << qPrintable(error);
    int seen = 0;
    for (int page = 1; page <= 2; ++page) {
        const QList<PageWord> words = pageWords(path, page);
        ASSERT_FALSE(words.isEmpty());
        int label = -1;
        for (const PageWord& word : words) {
            const int slot = slotOf(c.format, word.box);
            ASSERT_GE(slot, 0) << qPrintable(word.text) << " is on no label";
            const QRectF inside = pointsOf(c.format.labelRect(slot)).adjusted(-0.5, -0.5, 0.5, 0.5);
            EXPECT_TRUE(inside.contains(word.box))
                << qPrintable(word.text) << " crosses the edge of label " << slot;
            if (word.text.size() == 3 && word.text.startsWith(u'L')) {
                label = word.text.mid(1).toInt();
                const int expected = (c.start - 1 + label - 1) % c.format.perSheet();
                EXPECT_EQ(slot, expected) << qPrintable(word.text);
                ++seen;
            }
        }
        EXPECT_GT(label, 0);
    }
    EXPECT_EQ(seen, count);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LabelSheets,
    ::testing::Values(SheetCase{"3x8", *mailing::standardFormat(QStringLiteral("3x8")), 1},
                      SheetCase{"3x7", *mailing::standardFormat(QStringLiteral("3x7")), 5},
                      SheetCase{"2x7", *mailing::standardFormat(QStringLiteral("2x7")), 14},
                      SheetCase{"custom", customFormat(), 3}),
    [](const auto& one) { return std::string(one.param.name); });

TEST(LabelFormats, TheCommonSheetsHaveTheirLabelSizesAndFitA4) {
    const QList<LabelFormat>& formats = mailing::standardFormats();
    ASSERT_EQ(formats.size(), 3);
    struct Expected {
        const char* name;
        int columns, rows;
        double width, height;
    };
    const Expected expected[] = {
        {"3x8", 3, 8, 70, 37}, {"3x7", 3, 7, 70, 42.3}, {"2x7", 2, 7, 99.1, 38.1}};
    for (qsizetype i = 0; i < formats.size(); ++i) {
        const LabelFormat& f = formats.at(i);
        EXPECT_EQ(f.name, QLatin1String(expected[i].name));
        EXPECT_EQ(f.columns, expected[i].columns);
        EXPECT_EQ(f.rows, expected[i].rows);
        EXPECT_DOUBLE_EQ(f.width, expected[i].width);
        EXPECT_DOUBLE_EQ(f.height, expected[i].height);
        EXPECT_EQ(f.problem(), QString()) << expected[i].name;
    }
}

TEST(LabelFormats, AFormatThatLeavesTheSheetOrOverlapsIsRefused) {
    LabelFormat tooWide = customFormat();
    tooWide.columns = 5;
    LabelFormat overlapping = customFormat();
    overlapping.horizontalPitch = 40;
    LabelFormat empty = customFormat();
    empty.rows = 0;
    EXPECT_EQ(tooWide.problem(),
              QStringLiteral("Le etichette non stanno in un foglio A4 (210 x 297 mm)."));
    EXPECT_EQ(overlapping.problem(),
              QStringLiteral("Il passo non può essere minore della misura dell'etichetta."));
    EXPECT_FALSE(empty.problem().isEmpty());
}

TEST(LabelLines, ALongLineShrinksThenIsCutWithAnEllipsisWithinTheWidth) {
    const QFont font(QStringLiteral("Arial"), 10);
    const double width = report::mm(60);
    const mailing::FittedLine shortLine =
        mailing::fitLine(QStringLiteral("Rossi Mario"), font, width);
    EXPECT_EQ(shortLine.text, QStringLiteral("Rossi Mario"));
    EXPECT_DOUBLE_EQ(shortLine.points, mailing::kLabelPoints);

    const QString longer = QStringLiteral("Rossi Mario Giuseppe Francesco Antonio");
    const mailing::FittedLine shrunk = mailing::fitLine(longer, font, width);
    EXPECT_EQ(shrunk.text, longer);
    EXPECT_LT(shrunk.points, mailing::kLabelPoints);
    EXPECT_GE(shrunk.points, mailing::kSmallestLabelPoints);

    const QString endless = longer.repeated(3);
    const mailing::FittedLine cut = mailing::fitLine(endless, font, width);
    EXPECT_TRUE(cut.text.endsWith(QChar(0x2026)));
    EXPECT_TRUE(endless.startsWith(cut.text.chopped(1)));
    QFont smallest = report::layoutFont(font);
    smallest.setPointSizeF(mailing::kSmallestLabelPoints);
    EXPECT_LE(report::textWidth(smallest, cut.text), width);
}

// The longest realistic address: on each common sheet it goes in whole,
// wrapped, at full size; on a small label it is shrunk, then cut in the
// middle of its long lines, never losing the house number or a first name.
TEST(LabelLines, TheLongestAddressWrapsThenShrinksAndIsCutKeepingNumberAndFirstNames) {
    const mailing::Label label{
        {QStringLiteral(
             "Della Gherardesca Bonaccorsi Pignatelli d'Aragona Maria Vittoria Benedetta"),
         QStringLiteral("Località Poggio all'Olmo, Strada Vicinale della Fonte Vecchia 127/B"),
         QStringLiteral("50012 Bagno a Ripoli (FI)")},
        {QStringLiteral("Maria Vittoria Benedetta"), QStringLiteral("127/B"), QString()}};
    const QString whole = label.lines.join(u' ');
    struct Case {
        const char* name;
        LabelFormat format;
        mailing::LabelFit fit;
    };
    const Case cases[] = {
        {"3x8", *mailing::standardFormat(QStringLiteral("3x8")), mailing::LabelFit::Whole},
        {"3x7", *mailing::standardFormat(QStringLiteral("3x7")), mailing::LabelFit::Whole},
        {"2x7", *mailing::standardFormat(QStringLiteral("2x7")), mailing::LabelFit::Whole},
        {"60x28", LabelFormat{QStringLiteral("personalizzato"), 3, 10, 60, 28, 5, 5, 62, 29},
         mailing::LabelFit::Shrunk},
        {"45x17", LabelFormat{QStringLiteral("personalizzato"), 4, 16, 45, 17, 5, 5, 47, 18},
         mailing::LabelFit::Cut},
    };
    QTemporaryDir folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.format.problem(), QString());
        QList<mailing::LabelFit> fits;
        const report::Report sheets = mailing::labelSheets(c.format, {label}, 1, &fits);
        ASSERT_EQ(fits.size(), 1);
        EXPECT_EQ(fits.first(), c.fit);
        const QString path = folder.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        ASSERT_TRUE(report::writePdf(report::prepare(sheets, QDate(2024, 3, 7)), path));
        QStringList read;
        const QRectF inside = pointsOf(c.format.labelRect(0)).adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const PageWord& word : pageWords(path, 1)) {
            EXPECT_TRUE(inside.contains(word.box)) << qPrintable(word.text);
            read.append(word.text);
        }
        const QString text = read.join(u' ');
        if (c.fit != mailing::LabelFit::Cut) {
            EXPECT_EQ(text, whole);
            continue;
        }
        EXPECT_TRUE(text.contains(QChar(0x2026))) << qPrintable(text);
        for (const char* kept :
             {"Maria Vittoria Benedetta", "127/B", "50012 Bagno a Ripoli (FI)"}) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(kept)))
                << kept << " in " << qPrintable(text);
        }
        EXPECT_TRUE(text.startsWith(QStringLiteral("Della"))) << qPrintable(text);
    }
}

}  // namespace
