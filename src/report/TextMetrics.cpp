#include "report/TextMetrics.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>

#include "report/Report.h"

namespace report {
namespace {

// Fonts are measured at a fine resolution, where the rounding of glyph
// advances to whole dots is negligible, and the sizes scaled to report
// units: measured at 96 dots per inch, a line drawn on a 1200 dpi device
// could come out wider than the width it was wrapped to.
constexpr double kMeasuringDpi = 1200;
constexpr double kToUnits = 96.0 / kMeasuringDpi;

const QPaintDevice* measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = qRound(kMeasuringDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return &device;
}

QStringList wrapParagraph(const QString& paragraph, const QFont& font, double width,
                          const QFontMetricsF& metrics) {
    if (paragraph.isEmpty() || metrics.horizontalAdvance(paragraph) * kToUnits <= width) {
        return {paragraph};
    }
    QStringList lines;
    QTextLayout layout(paragraph, font, measuringDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width / kToUnits);
        QString piece = paragraph.mid(line.textStart(), line.textLength());
        while (!piece.isEmpty() && piece.back().isSpace()) piece.chop(1);
        lines.append(piece);
    }
    layout.endLayout();
    // A paragraph made of blanks only wraps into nothing: keep one line.
    if (lines.isEmpty()) lines.append(QString());
    return lines;
}

}  // namespace

QFont layoutFont(const QFont& font) {
    QFont result = font;
    if (font.pixelSize() > 0) result.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

double lineHeight(const QFont& font) {
    return QFontMetricsF(layoutFont(font), measuringDevice()).lineSpacing() * kToUnits;
}

double textWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(layoutFont(font), measuringDevice()).horizontalAdvance(text) * kToUnits;
}

QStringList wrapLines(const QString& text, const QFont& font, double width) {
    const QFont measured = layoutFont(font);
    const QFontMetricsF metrics(measured, measuringDevice());
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        lines += wrapParagraph(paragraph, measured, qMax(width, 1.0), metrics);
    }
    return lines;
}

double firstLineOffset(const TextObject& text, qsizetype lineCount) {
    const double room = text.rect.height() - lineCount * lineHeight(text.font);
    if (room <= 0) return 0;
    if (text.alignment & Qt::AlignBottom) return room;
    if (text.alignment & Qt::AlignVCenter) return room / 2;
    return 0;
}

}  // namespace report
