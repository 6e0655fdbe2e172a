#include "report/Report.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "report/TextMetrics.h"
#include "support/PdfText.h"

namespace {

using report::Band;
using report::mm;

const QDate kToday(2024, 3, 7);

report::TextObject text(const QString& name, const QRectF& rect, const QString& value) {
    report::TextObject t;
    t.name = name;
    t.rect = rect;
    t.text = value;
    t.font = QFont(QStringLiteral("Arial"), 10);
    return t;
}

QStringList numbered(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines.append(QStringLiteral("linea %1").arg(i));
    return lines;
}

// An A5 portrait page (148 x 210 mm), 10 mm margins, a title band of 40
// units and a footer band of 30.
report::Page page(QList<Band> masterData) {
    report::Page p;
    p.name = QStringLiteral("Page1");
    p.size = QPageSize(QPageSize::A5);
    p.bands.append(Band{
        QStringLiteral("Titolo"),
        Band::Kind::Title,
        40,
        {text(QStringLiteral("txtTitolo"), {0, 0, 300, 30}, QStringLiteral("Titolo del [DATE]"))}});
    p.bands += masterData;
    p.bands.append(
        Band{QStringLiteral("Piede"),
             Band::Kind::Footer,
             30,
             {text(QStringLiteral("txtPiede"), {0, 0, 300, 30}, QStringLiteral("Piede"))}});
    return p;
}

const double kBodyTop = mm(10) + 40;
const double kBodyBottom = mm(210) - mm(10) - 30;

template <typename T>
QList<T> objectsOf(const report::PreparedPage& page) {
    QList<T> found;
    for (const report::Object& object : page.objects) {
        if (const auto* o = std::get_if<T>(&object)) found.append(*o);
    }
    return found;
}

QList<report::TextObject> named(const report::PreparedPage& page, const QString& name) {
    QList<report::TextObject> found;
    for (const report::TextObject& t : objectsOf<report::TextObject>(page)) {
        if (t.name == name) found.append(t);
    }
    return found;
}

TEST(ReportPrepare, PlacesTitlesFootersAndPageObjectsWithinTheMarginsAndFillsInTheDate) {
    report::Report r;
    r.pages.append(page({}));
    r.pages.first().margins = QMarginsF(mm(15), mm(12), mm(10), mm(10));
    r.pages.first().objects.append(
        text(QStringLiteral("txtAngolo"), {0, 0, 100, 20}, QStringLiteral("[DATE] e [DATE]")));
    const report::PreparedReport prepared = report::prepare(r, kToday);
    ASSERT_EQ(prepared.pages.size(), 1);
    const report::PreparedPage& only = prepared.pages.first();
    EXPECT_EQ(only.size.id(), QPageSize::A5);
    const report::TextObject corner = named(only, QStringLiteral("txtAngolo")).value(0);
    EXPECT_EQ(corner.rect.topLeft(), QPointF(mm(15), mm(12)));
    EXPECT_EQ(corner.text, QStringLiteral("07/03/2024 e 07/03/2024"));
    const report::TextObject title = named(only, QStringLiteral("txtTitolo")).value(0);
    EXPECT_EQ(title.rect.topLeft(), QPointF(mm(15), mm(12)));
    EXPECT_EQ(title.text, QStringLiteral("Titolo del 07/03/2024"));
    const report::TextObject footer = named(only, QStringLiteral("txtPiede")).value(0);
    EXPECT_NEAR(footer.rect.bottom(), mm(210) - mm(10), 1e-9);
    EXPECT_EQ(only.objects.size(), 3);
}

TEST(ReportPrepare, StacksBandsAndGrowsATextTallerThanItsBox) {
    const double pitch = report::lineHeight(QFont(QStringLiteral("Arial"), 10));
    // Five lines in a box one line high: the box and its band grow, the
    // next band starts below them.
    const Band first{
        QStringLiteral("Primo"),
        Band::Kind::MasterData,
        30,
        {text(QStringLiteral("txtPrimo"), {0, 10, 300, pitch}, numbered(5).join(u'\n'))}};
    const Band second{
        QStringLiteral("Secondo"),
        Band::Kind::MasterData,
        20,
        {text(QStringLiteral("txtSecondo"), {0, 0, 300, 20}, QStringLiteral("dopo"))}};
    report::Report r;
    r.pages.append(page({first, second}));
    const report::PreparedReport prepared = report::prepare(r, kToday);
    ASSERT_EQ(prepared.pages.size(), 1);
    const report::TextObject grown = named(prepared.pages.first(), QStringLiteral("txtPrimo"))[0];
    EXPECT_EQ(grown.text, numbered(5).join(u'\n'));
    EXPECT_NEAR(grown.rect.top(), kBodyTop + 10, 1e-9);
    EXPECT_NEAR(grown.rect.height(), 5 * pitch, 1e-9);
    const report::TextObject after = named(prepared.pages.first(), QStringLiteral("txtSecondo"))[0];
    EXPECT_NEAR(after.rect.top(), kBodyTop + 30 + 4 * pitch, 1e-9);
}

// A band that does not fit goes on over the next pages: its text is cut
// between lines, the objects below the text follow it, a picture is moved
// whole, a shape and a vertical line are split, and the next band starts
// after the end of the first.
TEST(ReportPrepare, ContinuesABandOnFurtherPagesCuttingBetweenLines) {
    const double pitch = report::lineHeight(QFont(QStringLiteral("Arial"), 10));
    const int count = 120;
    const double textHeight = count * pitch;
    report::ShapeObject frame;
    frame.rect = QRectF(0, 0, 400, textHeight + 100);
    report::LineObject rule;
    rule.line = QLineF(350, 0, 350, textHeight + 100);
    report::PictureObject picture;
    picture.name = QStringLiteral("imgFirma");
    picture.rect = QRectF(0, textHeight + 10, 60, 60);
    picture.image = QImage(10, 10, QImage::Format_RGB32);
    const Band list{
        QStringLiteral("MasterData"),
        Band::Kind::MasterData,
        textHeight + 100,
        {text(QStringLiteral("txtElenco"), {0, 0, 300, textHeight}, numbered(count).join(u'\n')),
         frame, rule, picture}};
    const Band closing{QStringLiteral("Chiusura"),
                       Band::Kind::MasterData,
                       20,
                       {text(QStringLiteral("txtFine"), {0, 0, 300, 20}, QStringLiteral("fine"))}};
    report::Report r;
    r.pages.append(page({list, closing}));
    const report::PreparedReport prepared = report::prepare(r, kToday);
    ASSERT_GE(prepared.pages.size(), 3);

    QStringList printed;
    double shapeHeights = 0;
    double ruleLengths = 0;
    int pictures = 0;
    for (const report::PreparedPage& p : prepared.pages) {
        EXPECT_EQ(named(p, QStringLiteral("txtTitolo")).size(), 1);
        EXPECT_EQ(named(p, QStringLiteral("txtPiede")).size(), 1);
        for (const report::TextObject& piece : named(p, QStringLiteral("txtElenco"))) {
            const QStringList lines = piece.text.split(u'\n');
            EXPECT_GE(piece.rect.top(), kBodyTop - 1e-9);
            EXPECT_LE(piece.rect.top() + lines.size() * pitch, kBodyBottom + 1e-9);
            printed += lines;
        }
        for (const report::ShapeObject& s : objectsOf<report::ShapeObject>(p)) {
            EXPECT_GE(s.rect.top(), kBodyTop - 1e-9);
            EXPECT_LE(s.rect.bottom(), kBodyBottom + 1e-9);
            shapeHeights += s.rect.height();
        }
        for (const report::LineObject& l : objectsOf<report::LineObject>(p)) {
            ruleLengths += l.line.length();
        }
        for (const report::PictureObject& picturePiece : objectsOf<report::PictureObject>(p)) {
            EXPECT_LE(picturePiece.rect.bottom(), kBodyBottom + 1e-9);
            EXPECT_EQ(picturePiece.rect.height(), 60);
            ++pictures;
        }
    }
    EXPECT_EQ(printed, numbered(count));
    EXPECT_NEAR(shapeHeights, textHeight + 100, 1e-6);
    EXPECT_NEAR(ruleLengths, textHeight + 100, 1e-6);
    EXPECT_EQ(pictures, 1);

    const report::PreparedPage& last = prepared.pages.last();
    const QList<report::TextObject> lastPieces = named(last, QStringLiteral("txtElenco"));
    ASSERT_EQ(named(last, QStringLiteral("txtFine")).size(), 1);
    const report::TextObject end = named(last, QStringLiteral("txtFine"))[0];
    for (const report::ShapeObject& s : objectsOf<report::ShapeObject>(last)) {
        EXPECT_GE(end.rect.top(), s.rect.bottom() - 1e-9);
    }
    for (const report::TextObject& piece : lastPieces) {
        EXPECT_GE(end.rect.top(), piece.rect.bottom() - 1e-9);
    }
}

TEST(ReportPrepare, ShrinksATextThatDoesNotFitItsBoxWhenAsked) {
    const QString longValue = QStringLiteral(
        "Ambito Territoriale di Caccia Firenze Nord, Ambito Territoriale di Caccia Siena Sud, "
        "Ambito Territoriale di Caccia Arezzo, riserva privata del Casentino");
    struct Case {
        const char* what;
        QString value;
        bool shrink;
        bool wrap;
        bool shrunk;
    };
    const Case cases[] = {
        {"short text keeps its font", QStringLiteral("Rossi"), true, true, false},
        {"long wrapped text shrinks to fit", longValue, true, true, true},
        {"long single-line text shrinks to fit", longValue, true, false, true},
        {"without the flag the font stays", longValue, false, false, false},
    };
    for (const Case& c : cases) {
        report::TextObject value =
            text(QStringLiteral("txtValore"), {0, 0, mm(100), mm(5)}, c.value);
        value.font = QFont(QStringLiteral("Arial"), 7);
        value.shrinkToFit = c.shrink;
        value.wordWrap = c.wrap;
        report::Report r;
        r.pages.append(report::Page{});
        r.pages.first().objects.append(value);
        const report::TextObject laid =
            named(report::prepare(r, kToday).pages.first(), QStringLiteral("txtValore"))[0];
        EXPECT_EQ(laid.font.pointSizeF() < 7, c.shrunk) << c.what;
        EXPECT_EQ(laid.text.split(u'\n').join(u' '), c.value) << c.what;
        if (c.shrink) {
            const QStringList lines = laid.text.split(u'\n');
            EXPECT_LE(lines.size() * report::lineHeight(laid.font), mm(5) + 1e-6) << c.what;
            for (const QString& line : lines) {
                EXPECT_LE(report::textWidth(laid.font, line),
                          mm(100) - 2 * report::kTextPadding + 1e-6)
                    << c.what;
            }
        }
    }
}

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
};

// Each page keeps its own paper size and orientation; texts and pictures
// are drawn.
TEST_F(ReportPdf, DrawsEveryPageOnItsOwnPaper) {
    report::Report r;
    report::Page portrait;
    portrait.objects.append(
        text(QStringLiteral("txtUno"), {0, 0, 300, 30}, QStringLiteral("Pagina verticale")));
    report::PictureObject picture;
    picture.rect = QRectF(0, 40, 100, 50);
    picture.image = QImage(20, 10, QImage::Format_RGB32);
    picture.image.fill(Qt::darkGreen);
    portrait.objects.append(picture);
    report::Page landscape;
    landscape.size = QPageSize(QPageSize::A5);
    landscape.orientation = QPageLayout::Landscape;
    report::TextObject centred =
        text(QStringLiteral("txtDue"), {0, 0, mm(190), 30}, QStringLiteral("Pagina orizzontale"));
    centred.frame = true;
    centred.background = Qt::lightGray;
    centred.alignment = Qt::AlignCenter;
    landscape.objects.append(centred);
    report::LineObject rule;
    rule.line = QLineF(0, 40, mm(190), 40);
    landscape.objects.append(rule);
    report::ShapeObject box;
    box.rect = QRectF(0, 50, 100, 40);
    box.fill = Qt::yellow;
    landscape.objects.append(box);
    r.pages = {portrait, landscape};

    const QString file = path(QStringLiteral("pagine.pdf"));
    QString error;
    ASSERT_TRUE(report::writePdf(report::prepare(r, kToday), file, &error)) << qPrintable(error);
    EXPECT_EQ(pdfPageSizes(file),
              (QStringList{QStringLiteral("595x842"), QStringLiteral("595x420")}));
    EXPECT_TRUE(pdfText(file, 1).contains(QStringLiteral("Pagina verticale")));
    EXPECT_TRUE(pdfText(file, 2).contains(QStringLiteral("Pagina orizzontale")));
    EXPECT_EQ(pdfImageCount(file), 1);
}

TEST_F(ReportPdf, ReplacesAnExistingFileAndLeavesNoTemporaryFileBehind) {
    const QString file = path(QStringLiteral("scheda.pdf"));
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("vecchio contenuto");
    }
    report::Report r;
    r.pages.append(report::Page{});
    r.pages.first().objects.append(
        text(QStringLiteral("txtUno"), {0, 0, 300, 30}, QStringLiteral("Nuovo contenuto")));
    ASSERT_TRUE(report::writePdf(report::prepare(r, kToday), file));
    EXPECT_TRUE(pdfText(file).contains(QStringLiteral("Nuovo contenuto")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("scheda.pdf")});
}

TEST_F(ReportPdf, ReportsAFileThatCannotBeWritten) {
    report::Report r;
    r.pages.append(report::Page{});
    const report::PreparedReport prepared = report::prepare(r, kToday);
    struct Case {
        const char* what;
        QString target;
        report::PreparedReport document;
    };
    const Case cases[] = {
        {"folder missing", path(QStringLiteral("manca/scheda.pdf")), prepared},
        {"target is a folder", folder.path(), prepared},
        {"nothing to write", path(QStringLiteral("vuoto.pdf")), report::PreparedReport{}},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(report::writePdf(c.document, c.target, &error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
