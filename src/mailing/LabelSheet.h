#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <optional>

#include "report/Report.h"

// Address labels on A4 sheets, laid out through the report engine.
namespace mailing {

// A sheet of labels, every length in millimetres from the paper's top-left
// corner: `columns` x `rows` labels of `width` x `height`, the first at
// (left, top), each next one `horizontalPitch` to the right and
// `verticalPitch` lower.
struct LabelFormat {
    QString name;  // "3x8", "personalizzato"
    int columns = 3;
    int rows = 8;
    double width = 70;
    double height = 37;
    double left = 0;
    double top = 0.5;
    double horizontalPitch = 70;
    double verticalPitch = 37;

    int perSheet() const { return columns * rows; }
    // The label at `slot` (from 0, row by row), in millimetres.
    QRectF labelRect(int slot) const;
    // Why the labels do not fit an A4 sheet or overlap; empty when they
    // are fine.
    QString problem() const;
};

// 3x8 (70 x 37 mm), 3x7 (70 x 42.3 mm), 2x7 (99.1 x 38.1 mm), in that order.
const QList<LabelFormat>& standardFormats();
std::optional<LabelFormat> standardFormat(const QString& name);

// The lines of a label as they fit `width` report units: a line too wide in
// `font` is drawn smaller, down to kSmallestLabelPoints, and beyond that
// cut with an ellipsis. Returns the font size for each line in points.
inline constexpr double kLabelPoints = 10;
inline constexpr double kSmallestLabelPoints = 7;
struct FittedLine {
    QString text;
    double points;
};
FittedLine fitLine(const QString& line, const QFont& font, double width);

// A label's lines, the first in bold, and for each line its end that a
// cut never takes (the house number, the first names): empty, its last word.
struct Label {
    QStringList lines;
    QStringList kept;
};

// How a label's lines went in: whole at kLabelPoints, wrapped, in a smaller
// font (down to kSmallestLabelPoints), or with some lines cut in the middle.
enum class LabelFit { Whole, Shrunk, Cut };

// One label laid out in a box of `width` x `height` report units: its lines
// wrapped first, then the font made smaller, and only what still does not
// fit cut with an ellipsis before the kept end of the longest lines.
struct LaidLabel {
    QStringList rows;  // the lines drawn, top to bottom
    int boldRows = 0;  // how many of them (from the top) are the first line's
    double points = kLabelPoints;
    LabelFit fit = LabelFit::Whole;
};
LaidLabel layOutLabel(const Label& label, double width, double height);

// The sheets (A4 pages, one per sheet) holding `labels`, the first at slot
// `start` (from 1) of the first sheet, so that a sheet used in part is used
// up. `fits`, when given, gets how each label went in.
report::Report labelSheets(const LabelFormat& format, const QList<Label>& labels, int start = 1,
                           QList<LabelFit>* fits = nullptr);
// The same with each label's lines only (each keeps its last word).
report::Report labelSheets(const LabelFormat& format, const QList<QStringList>& labels,
                           int start = 1);

}  // namespace mailing
