#pragma once

#include <QFont>
#include <QStringList>
#include <functional>

namespace report {

struct TextObject;

// Texts are measured once, in report units and without hinting, so that a
// report lays out the same whatever device it is drawn on; each line is
// then drawn in its own box of that height.

// Horizontal room kept between a text and the sides of its box.
constexpr double kTextPadding = 2;

// The font as the report lays it out: a size in pixels becomes points
// (one report unit is one pixel at 96 dots per inch), hinting is off.
QFont layoutFont(const QFont& font);

// Height of one line of that font, in report units.
double lineHeight(const QFont& font);

// Width of a one-line text, in report units.
double textWidth(const QFont& font, const QString& text);

// The lines of a text: its own line breaks, and each line wider than
// `width` broken at word boundaries (anywhere within a word longer than a
// whole line). Blanks at the end of a broken line are dropped.
// `progress`, when given, is told every so many of the text's own lines how
// many are done; when it returns false the wrapping stops there, and what
// it returns is not the whole text.
QStringList wrapLines(const QString& text, const QFont& font, double width,
                      const std::function<bool(qsizetype done)>& progress = {});

// How many of its own lines a text has (its line breaks plus one).
qsizetype paragraphCount(const QString& text);

// Distance from the top of a text object's box to its first line, for its
// vertical alignment, when it holds `lineCount` lines.
double firstLineOffset(const TextObject& text, qsizetype lineCount);

}  // namespace report
