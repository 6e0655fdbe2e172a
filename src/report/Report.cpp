#include "report/Report.h"

#include <QDate>
#include <QtMath>
#include <cmath>
#include <limits>
#include <optional>

#include "report/TextMetrics.h"

namespace report {
namespace {

template <typename Kind, typename ObjectList>
Kind* findIn(ObjectList& objects, const QString& name) {
    for (Object& object : objects) {
        if (auto* found = std::get_if<Kind>(&object); found && found->name == name) return found;
    }
    return nullptr;
}

template <typename Kind>
Kind* findAnywhere(QList<Page>& pages, const QString& name) {
    for (Page& page : pages) {
        if (Kind* found = findIn<Kind>(page.objects, name)) return found;
        for (Band& band : page.bands) {
            if (Kind* found = findIn<Kind>(band.objects, name)) return found;
        }
    }
    return nullptr;
}

}  // namespace

QSize printPixels(const QSizeF& size, int dpi) {
    return QSize(qCeil(size.width() * dpi / 96.0), qCeil(size.height() * dpi / 96.0));
}

TextObject* Report::findText(const QString& name) {
    return findAnywhere<TextObject>(pages, name);
}

PictureObject* Report::findPicture(const QString& name) {
    return findAnywhere<PictureObject>(pages, name);
}

const TextObject* Report::findText(const QString& name) const {
    return const_cast<Report*>(this)->findText(name);
}

Band* Report::findBand(const QString& name) {
    for (Page& page : pages) {
        for (Band& band : page.bands) {
            if (band.name == name) return &band;
        }
    }
    return nullptr;
}

Page* Report::findPage(const QString& name) {
    for (Page& page : pages) {
        if (page.name == name) return &page;
    }
    return nullptr;
}

bool Report::setText(const QString& name, const QString& text) {
    TextObject* object = findText(name);
    if (!object) return false;
    object->text = text;
    return true;
}

bool Report::setPicture(const QString& name, const QImage& image) {
    PictureObject* object = findPicture(name);
    if (!object) return false;
    object->image = image;
    return true;
}

QStringList PreparedReport::texts() const {
    QStringList all;
    for (const PreparedPage& page : pages) {
        for (const Object& object : page.objects) {
            if (const auto* text = std::get_if<TextObject>(&object)) all.append(text->text);
        }
    }
    return all;
}

}  // namespace report

// Layout ----------------------------------------------------------------

namespace report {
namespace {

constexpr double kEpsilon = 1e-6;
constexpr double kSmallestShrunkPoints = 3;
constexpr double kShrinkStep = 0.25;

QSizeF paperSize(const QPageSize& size, QPageLayout::Orientation orientation) {
    const QSizeF millimetres = size.size(QPageSize::Millimeter);
    QSizeF units(mm(millimetres.width()), mm(millimetres.height()));
    if (orientation == QPageLayout::Landscape) units.transpose();
    return units;
}

// A text object with its final text and font, and its lines.
struct LaidText {
    TextObject object;
    QStringList lines;
    double pitch = 0;
    double first = 0;  // top of the first line

    double lineTop(qsizetype index) const { return first + index * pitch; }
    // The first line whose top is at or below y (lines.size() if none).
    qsizetype lineAtOrBelow(double y) const {
        if (pitch <= 0) return y <= first + kEpsilon ? 0 : lines.size();
        const double index = std::ceil((y - kEpsilon - first) / pitch);
        return qsizetype(qBound(0.0, index, double(lines.size())));
    }
    double contentBottom() const {
        const double text = lineTop(lines.size());
        const bool boxDrawn = object.frame || object.background.alpha() > 0;
        return boxDrawn ? qMax(text, object.rect.bottom()) : text;
    }
};

// How far the layout of a report's flowing texts is, in their own lines.
struct LayoutProgress {
    const WorkProgress& tell;
    qint64 done = 0;
    qint64 total = 0;
    bool stopped = false;

    // For the wrapping of the next text: the lines before it, plus its own.
    std::function<bool(qsizetype)> forText() {
        return [this, before = done](qsizetype lines) {
            if (!tell(before + lines, total)) stopped = true;
            return !stopped;
        };
    }
};

LaidText layText(const TextObject& source, const QString& date, bool stretch,
                 LayoutProgress* progress = nullptr) {
    LaidText laid;
    TextObject& text = laid.object;
    text = source;
    text.text.replace(QStringLiteral("[DATE]"), date);
    text.font = layoutFont(text.font);
    const double width = qMax(0.0, text.rect.width() - 2 * kTextPadding);
    // Only the first layout tells the progress: a shrinking one repeats it.
    const auto layOut = [&](LayoutProgress* told) {
        laid.lines = text.wordWrap
                         ? wrapLines(text.text, text.font, width, told ? told->forText() : nullptr)
                         : text.text.split(u'\n');
        laid.pitch = lineHeight(text.font);
    };
    const auto fits = [&] {
        if (laid.lines.size() * laid.pitch > text.rect.height() + kEpsilon) return false;
        if (text.wordWrap) return true;
        for (const QString& line : laid.lines) {
            if (textWidth(text.font, line) > width + kEpsilon) return false;
        }
        return true;
    };
    layOut(progress);
    if (progress) {
        if (progress->stopped) return laid;
        progress->done += paragraphCount(source.text);
    }
    if (text.shrinkToFit) {
        const double smallest = qMax(kSmallestShrunkPoints, text.smallestPoints);
        while (!fits() && text.font.pointSizeF() > smallest) {
            text.font.setPointSizeF(qMax(smallest, text.font.pointSizeF() - kShrinkStep));
            layOut(nullptr);
        }
    }
    text.text = laid.lines.join(u'\n');
    text.wordWrap = false;
    text.shrinkToFit = false;
    // In a flowing band a text is never cut: its box grows to hold its lines.
    if (stretch) {
        text.rect.setHeight(qMax(text.rect.height(), laid.lines.size() * laid.pitch));
    }
    laid.first = text.rect.top() + firstLineOffset(text, laid.lines.size());
    return laid;
}

Object moved(Object object, double dx, double dy) {
    std::visit(
        [&](auto& o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, LineObject>) {
                o.line.translate(dx, dy);
            } else {
                o.rect.translate(dx, dy);
            }
        },
        object);
    return object;
}

// Lays one template page out into as many prepared pages as its master
// data bands need.
class PageLayout {
public:
    PageLayout(const Page& page, const QString& date, PreparedReport& out, LayoutProgress* progress)
        : page_(page),
          date_(date),
          out_(out),
          paper_(paperSize(page.size, page.orientation)),
          progress_(progress) {}

    void run() {
        const QMarginsF& margins = page_.margins;
        left_ = margins.left();
        for (const Object& object : page_.objects) fixed_.append(placed(object, margins.top()));
        double y = margins.top();
        double footers = 0;
        for (const Band& band : page_.bands) {
            if (band.kind == Band::Kind::Title) {
                for (const Object& object : band.objects) fixed_.append(placed(object, y));
                y += band.height;
            } else if (band.kind == Band::Kind::Footer) {
                footers += band.height;
            }
        }
        bodyTop_ = y;
        bodyBottom_ = paper_.height() - margins.bottom() - footers;
        y = bodyBottom_;
        for (const Band& band : page_.bands) {
            if (band.kind != Band::Kind::Footer) continue;
            for (const Object& object : band.objects) fixed_.append(placed(object, y));
            y += band.height;
        }
        startPage();
        for (const Band& band : page_.bands) {
            if (band.kind == Band::Kind::MasterData) flow(band);
            if (stopped()) return;
        }
    }

    bool stopped() const { return progress_ && progress_->stopped; }

private:
    // An object of the page, a title or a footer, at its place on the paper.
    Object placed(const Object& object, double top) const {
        if (const auto* text = std::get_if<TextObject>(&object)) {
            return moved(layText(*text, date_, false).object, left_, top);
        }
        return moved(object, left_, top);
    }

    void startPage() {
        PreparedPage page;
        page.size = page_.size;
        page.orientation = page_.orientation;
        page.objects = fixed_;
        out_.pages.append(page);
        cursor_ = bodyTop_;
        fresh_ = true;
    }

    QList<Object>& current() { return out_.pages.last().objects; }

    // Places a master data band below the previous one, continuing it on
    // further pages where it does not fit: the band is cut between two
    // lines of every text it crosses, never through a line or a picture.
    void flow(const Band& band) {
        QList<LaidText> texts;
        QList<Object> others;
        double height = band.height;
        double contentBottom = 0;
        for (const Object& object : band.objects) {
            if (const auto* text = std::get_if<TextObject>(&object)) {
                LaidText laid = layText(*text, date_, true, progress_);
                if (stopped()) return;
                height =
                    qMax(height, band.height + laid.object.rect.bottom() - text->rect.bottom());
                contentBottom = qMax(contentBottom, laid.contentBottom());
                texts.append(std::move(laid));
            } else {
                contentBottom = qMax(contentBottom, bottomOf(object));
                others.append(object);
            }
        }

        double offset = 0;  // how much of the band is already placed
        for (;;) {
            const double space = bodyBottom_ - cursor_;
            if (height - offset <= space + kEpsilon || contentBottom - offset <= space + kEpsilon ||
                (fresh_ && space <= kEpsilon)) {
                placeSlice(texts, others, offset, std::numeric_limits<double>::infinity());
                cursor_ += qMax(0.0, qMin(height - offset, space));
                fresh_ = false;
                return;
            }
            double cut = safeCut(texts, others, offset, offset + space);
            if (cut <= offset + kEpsilon) {
                if (!fresh_) {
                    startPage();
                    continue;
                }
                cut = offset + space;  // not one line fits on a whole page
            }
            placeSlice(texts, others, offset, cut);
            offset = cut;
            startPage();
        }
    }

    static double bottomOf(const Object& object) {
        return std::visit(
            [](const auto& o) {
                using T = std::decay_t<decltype(o)>;
                if constexpr (std::is_same_v<T, LineObject>) {
                    return qMax(o.line.y1(), o.line.y2());
                } else {
                    return o.rect.bottom();
                }
            },
            object);
    }

    // The highest cut at or above `cut` that splits no text line and no
    // picture (a picture that starts the slice may still be cut).
    static double safeCut(const QList<LaidText>& texts, const QList<Object>& others, double offset,
                          double cut) {
        bool changed = true;
        while (changed && cut > offset + kEpsilon) {
            changed = false;
            for (const LaidText& text : texts) {
                if (text.pitch <= 0) continue;
                const double first = text.first;
                const double position = (cut - first) / text.pitch;
                // Already between two lines (allowing for rounding).
                if (std::abs(position - std::round(position)) < 1e-6) continue;
                const double index = std::floor(position);
                if (index < 0 || index >= text.lines.size()) continue;
                const double top = first + index * text.pitch;
                if (top < cut - kEpsilon && cut < top + text.pitch - kEpsilon) {
                    cut = top;
                    changed = true;
                }
            }
            for (const Object& object : others) {
                const auto* picture = std::get_if<PictureObject>(&object);
                if (!picture) continue;
                const QRectF& r = picture->rect;
                if (r.top() > offset + kEpsilon && r.top() < cut - kEpsilon &&
                    r.bottom() > cut + kEpsilon) {
                    cut = r.top();
                    changed = true;
                }
            }
        }
        return cut;
    }

    // Puts the part of the band between `from` and `to` (band coordinates)
    // at the cursor of the current page.
    void placeSlice(const QList<LaidText>& texts, const QList<Object>& others, double from,
                    double to) {
        const double dx = left_;
        const double dy = cursor_ - from;
        const auto inside = [&](double top, double bottom) {
            // Something that ends where the slice ends is inside; something
            // without height there belongs to the next slice.
            return top >= from - kEpsilon && bottom <= to + kEpsilon &&
                   (top < to - kEpsilon || bottom > top + kEpsilon);
        };
        for (const LaidText& laid : texts) {
            const QRectF& r = laid.object.rect;
            if (inside(r.top(), r.bottom())) {
                current().append(moved(laid.object, dx, dy));
                continue;
            }
            if (r.bottom() <= from + kEpsilon || r.top() >= to - kEpsilon) continue;
            const qsizetype begin = laid.lineAtOrBelow(from);
            const qsizetype end = std::isinf(to) ? laid.lines.size() : laid.lineAtOrBelow(to);
            const QStringList lines = laid.lines.mid(begin, qMax<qsizetype>(0, end - begin));
            const double firstTop = laid.lineTop(begin);
            const bool boxDrawn = laid.object.frame || laid.object.background.alpha() > 0;
            if (lines.isEmpty() && !boxDrawn) continue;
            TextObject piece = laid.object;
            const double top = lines.isEmpty() ? qMax(r.top(), from) : firstTop;
            const double bottom = qMax(qMin(r.bottom(), to), top + lines.size() * laid.pitch);
            piece.rect = QRectF(r.left(), top, r.width(), bottom - top);
            piece.text = lines.join(u'\n');
            piece.alignment = (piece.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
            current().append(moved(piece, dx, dy));
        }
        for (const Object& object : others) {
            if (const auto* shape = std::get_if<ShapeObject>(&object)) {
                const QRectF& r = shape->rect;
                if (inside(r.top(), r.bottom())) {
                    current().append(moved(*shape, dx, dy));
                    continue;
                }
                const double top = qMax(r.top(), from);
                const double bottom = qMin(r.bottom(), to);
                if (bottom <= top + kEpsilon) continue;
                ShapeObject piece = *shape;
                piece.rect = QRectF(r.left(), top, r.width(), qMax(0.0, bottom - top));
                current().append(moved(piece, dx, dy));
            } else if (const auto* line = std::get_if<LineObject>(&object)) {
                if (const std::optional<LineObject> piece = clipped(*line, from, to)) {
                    current().append(moved(*piece, dx, dy));
                }
            } else if (const auto* picture = std::get_if<PictureObject>(&object)) {
                const double top = picture->rect.top();
                if (top >= from - kEpsilon && top < to - kEpsilon) {
                    current().append(moved(*picture, dx, dy));
                }
            }
        }
    }

    // The part of a line between two heights; a horizontal line belongs to
    // the slice that holds its height, the end of a slice excluded.
    static std::optional<LineObject> clipped(const LineObject& line, double from, double to) {
        const QPointF a = line.line.p1();
        const QPointF b = line.line.p2();
        const double top = qMin(a.y(), b.y());
        const double bottom = qMax(a.y(), b.y());
        if (bottom - top <= kEpsilon) {
            if (top >= from - kEpsilon && top < to - kEpsilon) return line;
            return std::nullopt;
        }
        const double start = qMax(top, from);
        const double end = qMin(bottom, to);
        if (end <= start + kEpsilon) return std::nullopt;
        const auto at = [&](double y) {
            const double t = (y - a.y()) / (b.y() - a.y());
            return QPointF(a.x() + t * (b.x() - a.x()), y);
        };
        LineObject piece = line;
        piece.line = QLineF(at(start), at(end));
        return piece;
    }

    const Page& page_;
    const QString date_;
    PreparedReport& out_;
    const QSizeF paper_;
    QList<Object> fixed_;  // page objects, titles and footers of every page
    double left_ = 0;
    double bodyTop_ = 0;
    double bodyBottom_ = 0;
    double cursor_ = 0;
    bool fresh_ = true;  // nothing of the master data on the current page yet
    LayoutProgress* progress_;
};

}  // namespace

PreparedReport prepare(const Report& report, const QDate& today, const WorkProgress& progress) {
    const QString date = today.toString(QStringLiteral("dd/MM/yyyy"));
    LayoutProgress laying{progress};
    if (progress) {
        for (const Page& page : report.pages) {
            for (const Band& band : page.bands) {
                if (band.kind != Band::Kind::MasterData) continue;
                for (const Object& object : band.objects) {
                    if (const auto* text = std::get_if<TextObject>(&object)) {
                        laying.total += paragraphCount(text->text);
                    }
                }
            }
        }
    }
    PreparedReport prepared;
    for (const Page& page : report.pages) {
        PageLayout(page, date, prepared, progress ? &laying : nullptr).run();
        if (laying.stopped) return {};
    }
    return prepared;
}

}  // namespace report
