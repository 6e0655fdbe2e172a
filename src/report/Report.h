#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <variant>

#include "base/Seams.h"

class QDate;
class QPagedPaintDevice;

// A small report engine. A report is a template built in code: pages
// (size, margins, orientation) holding bands (title, master data, footer)
// and objects placed in report units of 1/96 inch (so 18.898 units are 5 mm).
// The program finds objects by name and sets their texts or heights, then
// prepares the report (lays its pages out with the current texts, continuing
// a master data band that does not fit on further pages, each with the
// page's title and footer) and shows, prints or writes the prepared pages.
namespace report {

// Millimetres to report units.
constexpr double mm(double millimetres) {
    return millimetres * 96.0 / 25.4;
}

struct TextObject {
    QString name;
    QRectF rect;   // within its band (or page), report units
    QString text;  // lines separated by '\n'; "[DATE]" prints today's date
    QFont font;
    QColor color = Qt::black;
    QColor background = Qt::transparent;
    bool frame = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;  // lines wider than the box break at word boundaries
    // A text that does not fit its box is drawn in a smaller font (down to
    // 3 points, or `smallestPoints` when larger) rather than spilling out of
    // it.
    bool shrinkToFit = false;
    double smallestPoints = 0;
};

struct LineObject {
    QLineF line;
    QColor color = Qt::black;
    double width = 1;
};

struct ShapeObject {
    QRectF rect;
    QColor frame = Qt::black;
    QColor fill = Qt::transparent;
    double frameWidth = 1;
};

// The pixels that fill a size in report units at `dpi` dots per inch: a
// picture printed in that box needs no more.
QSize printPixels(const QSizeF& size, int dpi = 300);

struct PictureObject {
    QString name;
    QRectF rect;
    QImage image;  // drawn scaled into rect, keeping its proportions
};

using Object = std::variant<TextObject, LineObject, ShapeObject, PictureObject>;

struct Band {
    enum class Kind {
        Title,       // top of every page
        MasterData,  // flows from page to page; a text taller than the page is split by lines
        Footer,      // bottom of every page
    };
    QString name;
    Kind kind = Kind::MasterData;
    double height = 0;  // report units
    QList<Object> objects;
};

struct Page {
    QString name;
    QPageSize size = QPageSize(QPageSize::A4);
    QMarginsF margins{mm(10), mm(10), mm(10), mm(10)};  // report units
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<Band> bands;
    QList<Object> objects;  // placed on the page itself, within the margins
};

class Report {
public:
    QList<Page> pages;

    // The text object of that name anywhere in the report, or nullptr.
    TextObject* findText(const QString& name);
    const TextObject* findText(const QString& name) const;
    Band* findBand(const QString& name);
    Page* findPage(const QString& name);

    PictureObject* findPicture(const QString& name);

    // Sets the text of a named text object; false if there is none.
    bool setText(const QString& name, const QString& text);
    // Sets the image of a named picture object; false if there is none.
    bool setPicture(const QString& name, const QImage& image);
};

// One laid-out page: absolute positions in report units from the paper's
// top-left corner, every text final ("[DATE]" replaced, lines broken where
// they wrap, fonts shrunk where asked, sizes in pixels turned into points).
struct PreparedPage {
    QPageSize size;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<Object> objects;
};

struct PreparedReport {
    QList<PreparedPage> pages;

    // Every text of every page in order, lines joined by '\n' (for tests and
    // for the command line).
    QStringList texts() const;
};

// Lays the report out; today replaces "[DATE]" as dd/mm/yyyy. `progress` is
// told how many of the lines of the flowing texts are laid out; when it asks
// to stop, the result has no page.
PreparedReport prepare(const Report& report, const QDate& today, const WorkProgress& progress = {});

// Draws the prepared pages on a paged device (a PDF writer or a printer),
// one device page per prepared page. `progress` is told before each page how
// many are drawn; when it asks to stop, drawing ends there and the result is
// false.
bool render(const PreparedReport& prepared, QPagedPaintDevice& device,
            const WorkProgress& progress = {});

// Writes the prepared pages to a PDF file (through a temporary file renamed
// into place). False, with the reason, when the file cannot be written.
// `progress` is told before each page how many are drawn; when it asks to
// stop, the file is left as it was and the result is false.
bool writePdf(const PreparedReport& prepared, const QString& path, QString* error = nullptr,
              const WorkProgress& progress = {});

}  // namespace report
