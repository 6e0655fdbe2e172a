#include "mailing/MemberCards.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include "report/PdfPages.h"
#include "support/PageWords.h"
#include "support/PdfText.h"

namespace {

QList<mailing::CardData> elevenCards() {
    QList<mailing::CardData> cards;
    for (int i = 1; i <= 11; ++i) {
        cards.append({QStringLiteral("T%1 Rossi Mario").arg(i, 2, 10, QChar(u'0')),
                      QStringLiteral("RSSMRA80A01H5%1U").arg(i, 2, 10, QChar(u'0')),
                      QStringLiteral("TV-%1").arg(1000 + i), qsizetype(i)});
    }
    return cards;
}

// Written whole (report::writePdf) or page by page (report::writePdfPages).
QString writeCards(const QTemporaryDir& folder, const QList<mailing::CardData>& cards,
                   bool pageByPage = false) {
    const QString path = folder.filePath(QStringLiteral("tessere.pdf"));
    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    const QString association = QStringLiteral("Associazione Cacciatori Val di Cecina");
    const QString season = QStringLiteral("2024/2025");
    const QDate today(2024, 3, 7);
    QString error;
    if (pageByPage) {
        EXPECT_TRUE(report::writePdfPages(
            mailing::cardPageCount(cards.size()),
            [&](qsizetype page) {
                return report::prepare(
                           mailing::memberCardPage(cards, page, association, logo, season), today)
                    .pages.first();
            },
            path, &error))
            << qPrintable(error);
    } else {
        EXPECT_TRUE(report::writePdf(
            report::prepare(mailing::memberCards(cards, association, logo, season), today), path,
            &error))
            << qPrintable(error);
    }
    return path;
}

// Ten cards to a page, each tagged "Tnn": every word of a card inside the
// card's own rectangle, the cards in order; the same whether the document
// is written whole or page by page.
TEST(MemberCards, TenCardsToAPageEachWordInsideItsCard) {
    for (const bool pageByPage : {false, true}) {
        SCOPED_TRACE(pageByPage ? "page by page" : "whole");
        QTemporaryDir folder;
        const QString path = writeCards(folder, elevenCards(), pageByPage);
        ASSERT_EQ(pdfPageCount(path), 2);
        for (int page = 1; page <= 2; ++page) {
            const QList<PageWord> words = pageWords(path, page);
            int tags = 0;
            for (const PageWord& word : words) {
                int slot = -1;
                for (int s = 0; s < mailing::kCardsPerPage; ++s) {
                    if (pointsOf(mailing::cardRect(s)).contains(word.box.center())) slot = s;
                }
                ASSERT_GE(slot, 0) << qPrintable(word.text) << " is on no card";
                EXPECT_TRUE(pointsOf(mailing::cardRect(slot)).contains(word.box))
                    << qPrintable(word.text);
                if (word.text.size() == 3 && word.text.startsWith(u'T')) {
                    EXPECT_EQ(word.text.mid(1).toInt(), (page - 1) * 10 + slot + 1);
                    ++tags;
                }
            }
            EXPECT_EQ(tags, page == 1 ? 10 : 1);
        }
        const QString text = QString::fromUtf8([&] {
            QProcess p;
            p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
            p.waitForFinished(60000);
            return p.readAllStandardOutput();
        }());
        EXPECT_TRUE(text.contains(QStringLiteral("Tessera associativa - Stagione 2024/2025")));
        EXPECT_TRUE(text.contains(QStringLiteral("C.F. RSSMRA80A01H507U")));
        EXPECT_TRUE(text.contains(QStringLiteral("Tesserino venatorio n. TV-1007")));
        EXPECT_TRUE(text.contains(QStringLiteral("Tessera n. 7")));
    }
}

// The crop marks stand on every card edge, outside the block of cards, so
// that a cut along them gives each card whole.
TEST(MemberCards, CropMarksLineUpWithEveryCardEdgeOutsideTheCards) {
    const report::Report cards = mailing::memberCards(elevenCards().mid(0, 1), QString(), QImage(),
                                                      QStringLiteral("2024/2025"));
    QSet<int> xs;
    QSet<int> ys;
    QRectF block;
    for (int s = 0; s < mailing::kCardsPerPage; ++s) block |= mailing::cardRect(s);
    for (const report::Object& object : cards.pages.first().objects) {
        const auto* mark = std::get_if<report::LineObject>(&object);
        if (!mark) continue;
        const QLineF line(mark->line.p1() / report::mm(1), mark->line.p2() / report::mm(1));
        EXPECT_FALSE(
            block.intersects(QRectF(line.p1(), line.p2()).adjusted(-0.01, -0.01, 0.01, 0.01)))
            << "a mark over the cards";
        if (qFuzzyCompare(line.x1(), line.x2())) xs.insert(qRound(line.x1() * 10));
        if (qFuzzyCompare(line.y1(), line.y2())) ys.insert(qRound(line.y1() * 10));
    }
    QSet<int> edgesX;
    QSet<int> edgesY;
    for (int s = 0; s < mailing::kCardsPerPage; ++s) {
        const QRectF card = mailing::cardRect(s);
        EXPECT_NEAR(card.width(), 85.6, 1e-9);
        EXPECT_NEAR(card.height(), 54, 1e-9);
        edgesX << qRound(card.left() * 10) << qRound(card.right() * 10);
        edgesY << qRound(card.top() * 10) << qRound(card.bottom() * 10);
    }
    EXPECT_EQ(xs, edgesX);
    EXPECT_EQ(ys, edgesY);
}

// The picture drawn is libqrencode's modules, a square of kQrPixels
// pixels for each, black for the dark ones and white for the others, on a
// square of one module's size per module.
TEST(MemberCards, TheQrCodeIsDrawnModuleForModule) {
    const qr::Matrix matrix =
        qr::encode(QByteArrayLiteral("Rossi Mario\nRSSMRA80A01H501U\n2024/2025"));
    ASSERT_GT(matrix.width, 20);
    const double module = 2;
    const report::PictureObject code = mailing::qrPicture(matrix, QPointF(10, 20), module);
    EXPECT_EQ(code.rect, QRectF(10, 20, matrix.width * module, matrix.width * module));
    const int k = mailing::kQrPixels;
    ASSERT_EQ(code.image.size(), QSize(matrix.width * k, matrix.width * k));
    std::vector<bool> drawn(matrix.dark.size(), false);
    for (int y = 0; y < code.image.height(); ++y) {
        for (int x = 0; x < code.image.width(); ++x) {
            const QRgb pixel = code.image.pixel(x, y);
            ASSERT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << x << "," << y;
            const bool dark = pixel == qRgb(0, 0, 0);
            const std::size_t at = std::size_t((y / k) * matrix.width + x / k);
            if (x % k == 0 && y % k == 0) drawn[at] = dark;
            ASSERT_EQ(dark, bool(drawn[at])) << x << "," << y;  // the whole square alike
        }
    }
    EXPECT_EQ(drawn, matrix.dark);
}

// zbarimg, an independent reader, with its default options decodes every
// card's QR code of a page rendered at 150 dpi, the densest (the longest
// name) too, to the name (accents read right), codice fiscale and season.
TEST(MemberCards, EveryQrCodeDecodesAt150DpiWithAccentsReadRight) {
    QTemporaryDir folder;
    QList<mailing::CardData> cards = elevenCards().mid(0, 10);
    cards[3].name = QStringLiteral("Nicolò Dell'Orto");
    cards[5].name = QStringLiteral("Abbà Stefano");
    cards[8].name = QStringLiteral(
        "Della Gherardesca Bonaccorsi Pignatelli d'Aragona Maria Vittoria Benedetta Ludovica");
    const QString path = writeCards(folder, cards);
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"),
                  QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                  QStringLiteral("1"), path, folder.filePath(QStringLiteral("pagina"))});
    ASSERT_TRUE(render.waitForFinished(120000));
    const QStringList pngs =
        QDir(folder.path()).entryList({QStringLiteral("pagina*.png")}, QDir::Files);
    ASSERT_EQ(pngs.size(), 1);
    QProcess reader;
    reader.start(QStringLiteral("zbarimg"), {QStringLiteral("-q"), folder.filePath(pngs.first())});
    ASSERT_TRUE(reader.waitForFinished(120000));
    const QString read = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_EQ(read.count(QStringLiteral("QR-Code:")), 10) << qPrintable(read);
    EXPECT_TRUE(read.contains(QStringLiteral("QR-Code:Abbà Stefano\n"))) << qPrintable(read);
    for (const mailing::CardData& card : cards) {
        const QString expected =
            QStringLiteral("QR-Code:") + mailing::qrText(card, QStringLiteral("2024/2025"));
        EXPECT_TRUE(read.contains(expected)) << qPrintable(expected);
    }
}

// A card without codice fiscale or tesserino leaves those lines out
// rather than print their captions bare.
TEST(MemberCards, EmptyCodiceFiscaleAndTesserinoAreLeftOut) {
    QTemporaryDir folder;
    QList<mailing::CardData> cards = elevenCards().mid(0, 2);
    cards[1].taxCode.clear();
    cards[1].cardNumber.clear();
    const QString text = [&] {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {writeCards(folder, cards), QStringLiteral("-")});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }();
    EXPECT_EQ(text.count(QStringLiteral("C.F.")), 1);
    EXPECT_EQ(text.count(QStringLiteral("Tesserino venatorio")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("T02 Rossi Mario")));
}

TEST(MemberCards, ASeasonIsTwoFollowingYears) {
    EXPECT_TRUE(mailing::isSeason(QStringLiteral("2024/2025")));
    EXPECT_FALSE(mailing::isSeason(QStringLiteral("2024/2026")));
    EXPECT_FALSE(mailing::isSeason(QStringLiteral("2024-2025")));
    EXPECT_FALSE(mailing::isSeason(QStringLiteral("24/25")));
}

}  // namespace
