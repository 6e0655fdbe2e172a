#include "report/TextMetrics.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>

#include "report/Report.h"

namespace report {
namespace {

// A paint device of 96 dots per inch to measure fonts on.
const QPaintDevice* measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = qRound(96 / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return &device;
}

QStringList wrapParagraph(const QString& paragraph, const QFont& font, double width,
                          const QFontMetricsF& metrics) {
    if (paragraph.isEmpty() || metrics.horizontalAdvance(paragraph) <= width) return {paragraph};
    QStringList lines;
    QTextLayout layout(paragraph, font, const_cast<QPaintDevice*>(measuringDevice()));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
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
    return QFontMetricsF(layoutFont(font), measuringDevice()).lineSpacing();
}

double textWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(layoutFont(font), measuringDevice()).horizontalAdvance(text);
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
