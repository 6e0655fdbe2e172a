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

// The sheets (A4 pages, one per sheet) holding `labels` (each its lines),
// the first at slot `start` (from 1) of the first sheet, so that a sheet
// used in part is used up.
report::Report labelSheets(const LabelFormat& format, const QList<QStringList>& labels,
                           int start = 1);

}  // namespace mailing
