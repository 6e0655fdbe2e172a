#include "mailing/LabelSheet.h"

#include "report/TextMetrics.h"

namespace mailing {
namespace {

using report::mm;

constexpr double kPaperWidth = 210;
constexpr double kPaperHeight = 297;
constexpr double kPadding = 3;  // mm kept inside a label's edges
constexpr double kTolerance = 0.01;

QFont labelFont(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

// The longest beginning of `line` that, with an ellipsis, fits `width`.
QString elided(const QString& line, const QFont& font, double width) {
    const QString ellipsis(QChar(0x2026));
    qsizetype low = 0;
    qsizetype high = line.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (report::textWidth(font, line.left(middle).trimmed() + ellipsis) <= width) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return line.left(low).trimmed() + ellipsis;
}

}  // namespace

QRectF LabelFormat::labelRect(int slot) const {
    const int column = slot % columns;
    const int row = slot / columns;
    return QRectF(left + column * horizontalPitch, top + row * verticalPitch, width, height);
}

QString LabelFormat::problem() const {
    if (columns < 1 || rows < 1 || width <= 0 || height <= 0 || left < 0 || top < 0) {
        return QStringLiteral(
            "Colonne, righe e misure delle etichette devono essere maggiori di "
            "zero.");
    }
    if ((columns > 1 && horizontalPitch + kTolerance < width) ||
        (rows > 1 && verticalPitch + kTolerance < height)) {
        return QStringLiteral("Il passo non può essere minore della misura dell'etichetta.");
    }
    const QRectF last = labelRect(perSheet() - 1);
    if (last.right() > kPaperWidth + kTolerance || last.bottom() > kPaperHeight + kTolerance) {
        return QStringLiteral("Le etichette non stanno in un foglio A4 (210 x 297 mm).");
    }
    return {};
}

const QList<LabelFormat>& standardFormats() {
    static const QList<LabelFormat> formats{
        {QStringLiteral("3x8"), 3, 8, 70, 37, 0, 0.5, 70, 37},
        {QStringLiteral("3x7"), 3, 7, 70, 42.3, 0, 0.45, 70, 42.3},
        {QStringLiteral("2x7"), 2, 7, 99.1, 38.1, 4.65, 15.15, 101.6, 38.1},
    };
    return formats;
}

std::optional<LabelFormat> standardFormat(const QString& name) {
    for (const LabelFormat& format : standardFormats()) {
        if (format.name == name) return format;
    }
    return std::nullopt;
}

FittedLine fitLine(const QString& line, const QFont& font, double width) {
    QFont sized = report::layoutFont(font);
    for (double points = sized.pointSizeF(); points >= kSmallestLabelPoints; points -= 0.5) {
        sized.setPointSizeF(points);
        if (report::textWidth(sized, line) <= width) return {line, points};
    }
    sized.setPointSizeF(kSmallestLabelPoints);
    return {elided(line, sized, width), kSmallestLabelPoints};
}

namespace {

QFont sizedFont(double points, bool bold) {
    QFont font = report::layoutFont(labelFont(kLabelPoints));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The end of `line` a cut keeps: `kept` when the line ends with it, else
// its last word.
QString keptEnd(const QString& line, const QString& kept) {
    if (!kept.isEmpty() && line.endsWith(kept)) return kept;
    const qsizetype blank = line.lastIndexOf(u' ');
    return blank < 0 ? line : line.mid(blank + 1);
}

// `line` in at most `rows` rows of `width`: as much of its beginning as
// fits, an ellipsis, and its kept end whole.
QStringList cutLine(const QString& line, const QString& kept, const QFont& font, double width,
                    int rows) {
    const QString end = keptEnd(line, kept);
    const QString head = line.left(line.size() - end.size()).trimmed();
    const QString ellipsis(QChar(0x2026));
    const auto joined = [&](qsizetype length) {
        const QString begin = head.left(length).trimmed();
        return (begin.isEmpty() ? ellipsis : begin + ellipsis) + u' ' + end;
    };
    if (report::wrapLines(joined(0), font, width).size() > rows) {
        // Not even the kept end fits: its beginning, cut at the end.
        QStringList wrapped = report::wrapLines(line, font, width).mid(0, rows);
        if (!wrapped.isEmpty())
            wrapped.last() = fitLine(wrapped.last() + ellipsis, font, width).text;
        return wrapped;
    }
    qsizetype low = 0;
    qsizetype high = head.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (report::wrapLines(joined(middle), font, width).size() <= rows) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return report::wrapLines(joined(low), font, width);
}

}  // namespace

LaidLabel layOutLabel(const Label& label, double width, double height) {
    const QStringList& lines = label.lines;
    QList<QStringList> wrapped;
    double points = kLabelPoints;
    for (;; points -= 0.5) {
        wrapped.clear();
        qsizetype rows = 0;
        for (qsizetype l = 0; l < lines.size(); ++l) {
            wrapped.append(report::wrapLines(lines.at(l), sizedFont(points, l == 0), width));
            rows += wrapped.last().size();
        }
        const double pitch = report::lineHeight(sizedFont(points, false));
        if (rows * pitch <= height + kTolerance || points - 0.5 < kSmallestLabelPoints) break;
    }
    LaidLabel laid;
    laid.points = points;
    laid.fit = points < kLabelPoints ? LabelFit::Shrunk : LabelFit::Whole;
    const double pitch = report::lineHeight(sizedFont(points, false));
    const int room = qMax(0, int((height + kTolerance) / pitch));
    QList<int> budget;
    int total = 0;
    for (const QStringList& rows : wrapped) {
        budget.append(int(rows.size()));
        total += budget.last();
    }
    // Still too many rows: the line of most rows gives one up, again and
    // again; when each has one, the last lines go.
    while (total > room) {
        laid.fit = LabelFit::Cut;
        qsizetype widest = -1;
        for (qsizetype l = 0; l < budget.size(); ++l) {
            if (budget.at(l) > 1 && (widest < 0 || budget.at(l) > budget.at(widest))) widest = l;
        }
        if (widest < 0) {
            for (qsizetype l = budget.size() - 1; l >= 0; --l) {
                if (budget.at(l) > 0) {
                    widest = l;
                    break;
                }
            }
        }
        --budget[widest];
        --total;
    }
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QFont font = sizedFont(points, l == 0);
        const QStringList rows =
            budget.at(l) >= wrapped.at(l).size()
                ? wrapped.at(l)
                : (budget.at(l) == 0
                       ? QStringList()
                       : cutLine(lines.at(l), label.kept.value(l), font, width, budget.at(l)));
        laid.rows += rows;
        if (l == 0) laid.boldRows = int(rows.size());
    }
    return laid;
}

report::Report labelSheets(const LabelFormat& format, const QList<QStringList>& labels, int start) {
    QList<Label> plain;
    for (const QStringList& lines : labels) plain.append(Label{lines, {}});
    return labelSheets(format, plain, start);
}

report::Report labelSheets(const LabelFormat& format, const QList<Label>& labels, int start,
                           QList<LabelFit>* fits) {
    report::Report result;
    const int perSheet = format.perSheet();
    int slot = qBound(1, start, perSheet) - 1;
    report::Page* page = nullptr;
    for (qsizetype i = 0; i < labels.size(); ++i, ++slot) {
        if (slot == perSheet) slot = 0;
        if (!page || slot == 0) {
            report::Page sheet;
            sheet.name = QStringLiteral("Foglio%1").arg(result.pages.size() + 1);
            sheet.margins = QMarginsF();
            result.pages.append(sheet);
            page = &result.pages.last();
        }
        const QRectF box = format.labelRect(slot);
        const QRectF inner(mm(box.left() + kPadding), mm(box.top() + kPadding),
                           mm(box.width() - 2 * kPadding), mm(box.height() - 2 * kPadding));
        const LaidLabel laid =
            layOutLabel(labels.at(i), inner.width() - 2 * report::kTextPadding, inner.height());
        if (fits) fits->append(laid.fit);
        const double pitch = report::lineHeight(sizedFont(laid.points, false));
        double y = inner.top() + qMax(0.0, (inner.height() - laid.rows.size() * pitch) / 2);
        for (qsizetype r = 0; r < laid.rows.size(); ++r) {
            report::TextObject text;
            text.name = QStringLiteral("txtEtichetta%1_%2").arg(i + 1).arg(r + 1);
            text.rect = QRectF(inner.left(), y, inner.width(), pitch);
            text.text = laid.rows.at(r);
            text.font = sizedFont(laid.points, r < laid.boldRows);
            text.alignment = Qt::AlignLeft | Qt::AlignVCenter;
            page->objects.append(text);
            y += pitch;
        }
    }
    return result;
}

}  // namespace mailing
