#include "report/TextMetrics.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>
#include <array>
#include <optional>

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

// Texts of at least this many lines (a printed list) try each line against
// a bound before measuring it.
constexpr qsizetype kQuickFitLines = 256;

// How often wrapping tells its progress, in lines.
constexpr qsizetype kLinesPerStep = 1024;

// Whether a line surely fits a width without shaping it: in a font of fixed
// pitch, a line of printable Latin-1 characters the font itself draws is no
// wider than its length times the widest of them. Shaping every line to
// measure it was most of the layout of a list of 100 000 lines; a line the
// bound does not settle is measured as before.
class QuickFit {
public:
    QuickFit(const QFont& font, const QFontMetricsF& metrics, double width) {
        if (!QFontInfo(font).fixedPitch()) return;
        qreal widest = 0;
        for (char16_t c = 0x20; c <= 0xFF; ++c) {
            if (c >= 0x7F && c <= 0x9F) continue;  // controls
            if (!metrics.inFont(QChar(c))) continue;
            drawn_[c] = true;
            widest = qMax(widest, metrics.horizontalAdvance(QChar(c)));
        }
        // A hundredth of the width is kept in hand for the rounding of advances.
        if (widest > 0) longest_ = qsizetype(width * 0.99 / (widest * kToUnits));
    }

    bool fits(const QString& line) const {
        if (line.size() > longest_) return false;
        for (const QChar c : line) {
            if (c.unicode() > 0xFF || !drawn_[c.unicode()]) return false;
        }
        return true;
    }

private:
    std::array<bool, 256> drawn_{};
    qsizetype longest_ = -1;  // no line is settled without measuring
};

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

QStringList wrapLines(const QString& text, const QFont& font, double width,
                      const std::function<bool(qsizetype done)>& progress) {
    const QFont measured = layoutFont(font);
    const QFontMetricsF metrics(measured, measuringDevice());
    const double room = qMax(width, 1.0);
    const QStringList paragraphs = text.split(u'\n');
    std::optional<QuickFit> quick;
    if (paragraphs.size() >= kQuickFitLines) quick.emplace(measured, metrics, room);
    QStringList lines;
    lines.reserve(paragraphs.size());
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (progress && i % kLinesPerStep == 0 && !progress(i)) break;
        const QString& paragraph = paragraphs.at(i);
        if (quick && quick->fits(paragraph)) {
            lines.append(paragraph);
        } else {
            lines += wrapParagraph(paragraph, measured, room, metrics);
        }
    }
    return lines;
}

qsizetype paragraphCount(const QString& text) {
    return text.count(u'\n') + 1;
}

double firstLineOffset(const TextObject& text, qsizetype lineCount) {
    const double room = text.rect.height() - lineCount * lineHeight(text.font);
    if (room <= 0) return 0;
    if (text.alignment & Qt::AlignBottom) return room;
    if (text.alignment & Qt::AlignVCenter) return room / 2;
    return 0;
}

}  // namespace report
