#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "base/FileErrors.h"
#include "base/ReplaceFile.h"
#include "report/PdfPages.h"
#include "report/Report.h"
#include "report/TextMetrics.h"

// Drawing prepared pages on paper-like devices: report units of 1/96 inch
// become device dots, each page gets its own size and orientation.
namespace report {
namespace {

// Maps report units to the dots of the device being painted.
struct Scale {
    double x = 1;
    double y = 1;

    QPointF operator()(const QPointF& p) const { return {p.x() * x, p.y() * y}; }
    QRectF operator()(const QRectF& r) const {
        return {r.x() * x, r.y() * y, r.width() * x, r.height() * y};
    }
    double width(double units) const { return units * (x + y) / 2; }
};

QPen penOf(const QColor& color, double width, const Scale& scale) {
    if (width <= 0 || color.alpha() == 0) return Qt::NoPen;
    QPen pen(color, scale.width(width));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void drawText(QPainter& painter, const TextObject& text, const Scale& scale) {
    if (text.background.alpha() > 0) painter.fillRect(scale(text.rect), text.background);
    if (text.frame) {
        painter.setPen(penOf(Qt::black, 1, scale));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(scale(text.rect));
    }
    const QStringList lines = text.text.split(u'\n');
    const double pitch = lineHeight(text.font);
    const double first = text.rect.top() + firstLineOffset(text, lines.size());
    Qt::Alignment horizontal = text.alignment & Qt::AlignHorizontal_Mask;
    if (horizontal == Qt::AlignJustify || horizontal == 0) horizontal = Qt::AlignLeft;
    painter.setFont(layoutFont(text.font));
    painter.setPen(text.color);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty()) continue;
        const QRectF box(text.rect.left() + kTextPadding, first + i * pitch,
                         qMax(0.0, text.rect.width() - 2 * kTextPadding), pitch);
        painter.drawText(scale(box), int(horizontal | Qt::AlignVCenter | Qt::TextDontClip),
                         lines.at(i));
    }
}

void drawPicture(QPainter& painter, const PictureObject& picture, const Scale& scale) {
    if (picture.image.isNull() || picture.rect.isEmpty()) return;
    const QSizeF size =
        QSizeF(picture.image.size()).scaled(picture.rect.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(picture.rect.center());
    painter.drawImage(scale(target), picture.image);
}

void drawObject(QPainter& painter, const Object& object, const Scale& scale) {
    if (const auto* text = std::get_if<TextObject>(&object)) {
        drawText(painter, *text, scale);
    } else if (const auto* line = std::get_if<LineObject>(&object)) {
        painter.setPen(penOf(line->color, line->width, scale));
        painter.drawLine(QLineF(scale(line->line.p1()), scale(line->line.p2())));
    } else if (const auto* shape = std::get_if<ShapeObject>(&object)) {
        painter.setPen(penOf(shape->frame, shape->frameWidth, scale));
        painter.setBrush(shape->fill.alpha() > 0 ? QBrush(shape->fill) : QBrush(Qt::NoBrush));
        painter.drawRect(scale(shape->rect));
    } else if (const auto* picture = std::get_if<PictureObject>(&object)) {
        drawPicture(painter, *picture, scale);
    }
}

// The whole sheet of paper, without margins: positions are measured from
// its top-left corner.
QPageLayout paperLayout(const PreparedPage& page) {
    QPageLayout layout(page.size, page.orientation, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

}  // namespace

namespace {

// Draws `count` pages, each got from `pageAt` when its turn comes.
bool drawPages(qsizetype count, const PageSource& pageAt, QPagedPaintDevice& device,
               const WorkProgress& progress) {
    if (count <= 0) return false;
    PreparedPage page = pageAt(0);
    device.setPageLayout(paperLayout(page));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    // Pictures keep their pixels: a PDF gets them without lossy compression
    // and scaled without smoothing (a QR code's modules stay sharp squares;
    // photographs are decoded at the size printed, so lose nothing).
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const Scale scale{device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0};
    for (qsizetype i = 0; i < count; ++i) {
        if (progress && !progress(i, count)) {
            painter.end();
            return false;
        }
        if (i > 0) {
            page = pageAt(i);
            // Printers keep the paper of the first page for the whole job;
            // a PDF file may change it from page to page.
            const QPageLayout current = device.pageLayout();
            if (!current.pageSize().isEquivalentTo(page.size) ||
                current.orientation() != page.orientation) {
                device.setPageLayout(paperLayout(page));
            }
            if (!device.newPage()) {
                painter.end();
                return false;
            }
        }
        for (const Object& object : page.objects) drawObject(painter, object, scale);
    }
    return painter.end();
}

bool writePdfFile(qsizetype count, const PageSource& pageAt, const QString& path, QString* error,
                  const WorkProgress& progress) {
    const auto fail = [error](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    if (count <= 0) return fail(QStringLiteral("Il documento non ha pagine."));
    // Written beside the target and renamed into place only when complete,
    // so a failure never leaves half a file where a good one stood.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(fileerror::of(file));
    bool drawn;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Selvadoro"));
        drawn = drawPages(count, pageAt, writer, progress);
    }
    if (!drawn) {
        file.cancelWriting();  // the temporary file goes, the target stays as it was
        return fail(QStringLiteral("Il documento non può essere disegnato."));
    }
    // The last flush happens while committing; commitReplacing checks it.
    if (!commitReplacing(file)) return fail(fileerror::of(file));
    return true;
}

}  // namespace

bool render(const PreparedReport& prepared, QPagedPaintDevice& device,
            const WorkProgress& progress) {
    return drawPages(
        prepared.pages.size(), [&](qsizetype i) { return prepared.pages.at(i); }, device, progress);
}

bool writePdf(const PreparedReport& prepared, const QString& path, QString* error,
              const WorkProgress& progress) {
    return writePdfFile(
        prepared.pages.size(), [&](qsizetype i) { return prepared.pages.at(i); }, path, error,
        progress);
}

bool writePdfPages(qsizetype count, const PageSource& pageAt, const QString& path, QString* error,
                   const WorkProgress& progress) {
    return writePdfFile(count, pageAt, path, error, progress);
}

}  // namespace report
