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

report::Report labelSheets(const LabelFormat& format, const QList<QStringList>& labels, int start) {
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
        const QStringList& lines = labels.at(i);
        // The lines share the label's height; a label with many lines
        // takes a smaller font for all of them.
        QFont font = report::layoutFont(labelFont(kLabelPoints));
        while (!lines.isEmpty() && lines.size() * report::lineHeight(font) > inner.height() &&
               font.pointSizeF() > 4) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
        const double pitch = report::lineHeight(font);
        const double textWidth = inner.width() - 2 * report::kTextPadding;
        double y = inner.top() + qMax(0.0, (inner.height() - lines.size() * pitch) / 2);
        for (qsizetype l = 0; l < lines.size(); ++l) {
            if (y + pitch > inner.bottom() + kTolerance) break;  // never below the label
            QFont lineFont = font;
            if (l == 0) lineFont.setBold(true);
            const FittedLine fitted = fitLine(lines.at(l), lineFont, textWidth);
            lineFont.setPointSizeF(qMin(lineFont.pointSizeF(), fitted.points));
            report::TextObject text;
            text.name = QStringLiteral("txtEtichetta%1_%2").arg(i + 1).arg(l + 1);
            text.rect = QRectF(inner.left(), y, inner.width(), pitch);
            text.text = fitted.text;
            text.font = lineFont;
            text.alignment = Qt::AlignLeft | Qt::AlignVCenter;
            page->objects.append(text);
            y += pitch;
        }
    }
    return result;
}

}  // namespace mailing
