#include "report/ListReport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDate>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "report/TextMetrics.h"
#include "support/PdfText.h"

namespace {

using report::mm;

const QDate kToday(2024, 3, 7);
const QString kFooter = QStringLiteral("Stampa eseguita in data 07/03/2024");

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines.append(QStringLiteral("Riga %1  Rossi Mario").arg(i, 5, 10, QLatin1Char('0')));
    }
    return lines;
}

const report::TextObject* onlyText(const report::PreparedPage& page, const QString& name) {
    const report::TextObject* found = nullptr;
    for (const report::Object& object : page.objects) {
        const auto* text = std::get_if<report::TextObject>(&object);
        if (!text || text->name != name) continue;
        if (found) return nullptr;  // more than one
        found = text;
    }
    return found;
}

QList<const report::TextObject*> texts(const report::PreparedPage& page, const QString& name) {
    QList<const report::TextObject*> found;
    for (const report::Object& object : page.objects) {
        const auto* text = std::get_if<report::TextObject>(&object);
        if (text && text->name == name) found.append(text);
    }
    return found;
}

class PrintedList : public ::testing::TestWithParam<int> {};

// Lists of every length around a page's worth: each page has its title at
// the top and its footer at the bottom, the lines between them, in order,
// none lost or repeated, every page but the last full.
TEST_P(PrintedList, ContinuesOnFurtherPagesWithTitleAndFooterOnEach) {
    const QStringList lines = numberedLines(GetParam());
    report::Report list = report::listReport(QStringLiteral("Elenco cacciatori"), lines);
    const report::PreparedReport prepared = report::prepare(list, kToday);
    ASSERT_FALSE(prepared.pages.isEmpty());

    const double pitch = report::lineHeight(QFont(QStringLiteral("Courier New"), 8));
    const double paperHeight = mm(210);
    const double footerBand = paperHeight - mm(10) - list.findBand(QStringLiteral("Piede"))->height;
    QStringList printed;
    for (qsizetype p = 0; p < prepared.pages.size(); ++p) {
        const report::PreparedPage& page = prepared.pages.at(p);
        EXPECT_EQ(page.orientation, QPageLayout::Landscape);
        EXPECT_EQ(page.size.id(), QPageSize::A4);
        const report::TextObject* title = onlyText(page, QStringLiteral("txtTitolo"));
        const report::TextObject* footer = onlyText(page, QStringLiteral("txtPiede"));
        ASSERT_NE(title, nullptr);
        ASSERT_NE(footer, nullptr);
        EXPECT_EQ(title->text, QStringLiteral("Elenco cacciatori"));
        EXPECT_NEAR(title->rect.top(), mm(10), 0.01);
        EXPECT_EQ(footer->text, kFooter);
        EXPECT_LE(footer->rect.bottom(), paperHeight - mm(10) + 0.01);
        EXPECT_GT(footer->rect.top(), paperHeight / 2);
        double linesBottom = 0;
        for (const report::TextObject* piece : texts(page, QStringLiteral("txtRiepilogo"))) {
            const QStringList pieceLines = piece->text.split(u'\n');
            linesBottom = piece->rect.top() + pieceLines.size() * pitch;
            EXPECT_GE(piece->rect.top(), title->rect.bottom());
            EXPECT_LE(linesBottom, footerBand + 0.01);
            printed += pieceLines;
        }
        // A page is left for the next only when one more line would not fit.
        if (p + 1 < prepared.pages.size()) {
            EXPECT_GT(linesBottom + pitch, footerBand) << "page " << p + 1;
        }
    }
    if (lines.isEmpty()) {
        EXPECT_EQ(prepared.pages.size(), 1);
    } else {
        EXPECT_EQ(printed, lines);
    }
}

// The first page holds 53 lines, the next ones 54 (with the fonts of the
// test machine): lists of no line, one line, the boundaries of the first two
// pages, several pages and a long list.
INSTANTIATE_TEST_SUITE_P(Lengths, PrintedList,
                         ::testing::Values(0, 1, 53, 54, 107, 108, 200, 3000));

TEST(PrintedListTemplate, SizesTheLinesAndTheBandAsTheWindowsDo) {
    report::Report list = report::listReport(QStringLiteral("Titolo"), numberedLines(7));
    const report::TextObject* lines = list.findText(QStringLiteral("txtRiepilogo"));
    ASSERT_NE(lines, nullptr);
    EXPECT_NEAR(lines->rect.height(), 7 * 12.822, 1e-9);
    EXPECT_NEAR(list.findBand(QStringLiteral("MasterData"))->height, 7 * 12.822 + 10, 1e-9);
    EXPECT_EQ(list.findText(QStringLiteral("txtTitolo"))->font.family(), QStringLiteral("Verdana"));
    EXPECT_TRUE(list.findText(QStringLiteral("txtTitolo"))->font.bold());
    EXPECT_EQ(lines->font.family(), QStringLiteral("Courier New"));
}

TEST(PrintedListTemplate, WrapsALineWiderThanThePaperInsteadOfLosingIt) {
    // About 160 characters fit across the paper.
    const QString wide =
        QStringLiteral("x").repeated(150) + u' ' + QStringLiteral("y").repeated(150);
    const report::PreparedReport prepared = report::prepare(
        report::listReport(QStringLiteral("T"), {wide, QStringLiteral("dopo")}), kToday);
    const QList<const report::TextObject*> pieces =
        texts(prepared.pages.first(), QStringLiteral("txtRiepilogo"));
    ASSERT_EQ(pieces.size(), 1);
    EXPECT_EQ(pieces.first()->text.split(u'\n'),
              (QStringList{QStringLiteral("x").repeated(150), QStringLiteral("y").repeated(150),
                           QStringLiteral("dopo")}));
}

TEST(PrintedListTemplate, WritesAPdfWhoseEveryPageReadsBackWithTitleLinesAndFooter) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("elenco.pdf"));
    QStringList lines;
    for (const QString& line : numberedLines(80)) lines.append(squeezeBlanks(line));
    QString error;
    ASSERT_TRUE(report::writePdf(
        report::prepare(report::listReport(QStringLiteral("Cacciatori trovati"), lines), kToday),
        path, &error))
        << qPrintable(error);

    ASSERT_EQ(pdfPageCount(path), 2);
    EXPECT_EQ(pdfPageSizes(path),
              (QStringList{QStringLiteral("842x595"), QStringLiteral("842x595")}));
    const QString first = squeezeBlanks(pdfText(path, 1));
    const QString second = squeezeBlanks(pdfText(path, 2));
    for (const QString& page : {first, second}) {
        EXPECT_TRUE(page.contains(QStringLiteral("Cacciatori trovati"))) << qPrintable(page);
        EXPECT_TRUE(page.contains(kFooter)) << qPrintable(page);
    }
    EXPECT_TRUE(first.contains(lines.first()));
    EXPECT_FALSE(first.contains(lines.last()));
    EXPECT_TRUE(second.contains(lines.last()));
    EXPECT_FALSE(second.contains(lines.first()));
    // The title is above the lines, the footer below them.
    EXPECT_LT(second.indexOf(QStringLiteral("Cacciatori trovati")), second.indexOf(lines.last()));
    EXPECT_LT(second.indexOf(lines.last()), second.indexOf(kFooter));
}

// A long list tells how many of its lines are laid out, from none to short
// of all, in steps, out of them all; asked to stop, it gives no page. Told
// or not, the pages are the same.
TEST(PrintedListProgress, TellsTheLinesLaidOutAndStopsWhenAsked) {
    const report::Report list = report::listReport(QStringLiteral("Elenco"), numberedLines(3000));
    QList<std::pair<qint64, qint64>> steps;
    const report::PreparedReport told =
        report::prepare(list, kToday, [&](qint64 done, qint64 total) {
            steps.append({done, total});
            return true;
        });
    ASSERT_GE(steps.size(), 2);
    EXPECT_EQ(steps.front().first, 0);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps.at(i).second, 3000);
        EXPECT_LT(steps.at(i).first, 3000);
        if (i > 0) {
            EXPECT_GT(steps.at(i).first, steps.at(i - 1).first);
        }
    }
    const report::PreparedReport untold = report::prepare(list, kToday);
    EXPECT_EQ(told.pages.size(), untold.pages.size());
    EXPECT_EQ(told.texts(), untold.texts());

    int asked = 0;
    const report::PreparedReport stopped =
        report::prepare(list, kToday, [&](qint64, qint64) { return ++asked < 2; });
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(stopped.pages.isEmpty());
}

// Drawing tells, before each page, how many are drawn; asked to stop, it
// draws no further page and says it did not draw the document.
TEST(PrintedListProgress, DrawingTellsEachPageAndStopsWhenAsked) {
    const report::PreparedReport prepared =
        report::prepare(report::listReport(QStringLiteral("Elenco"), numberedLines(200)), kToday);
    ASSERT_EQ(prepared.pages.size(), 4);
    for (const int stopAt : {0, 2}) {
        QBuffer pdf;
        ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
        QList<std::pair<qint64, qint64>> steps;
        bool drawn;
        {
            QPdfWriter writer(&pdf);
            drawn = report::render(prepared, writer, [&](qint64 done, qint64 total) {
                steps.append({done, total});
                return steps.size() != stopAt;
            });
        }
        const QList<std::pair<qint64, qint64>> all{{0, 4}, {1, 4}, {2, 4}, {3, 4}};
        EXPECT_EQ(drawn, stopAt == 0) << stopAt;
        EXPECT_EQ(steps, stopAt == 0 ? all : all.mid(0, stopAt)) << stopAt;
    }
}

}  // namespace
