#pragma once

#include <QDateTime>
#include <QImage>
#include <QLocale>

#include "records/RecordLayout.h"
#include "report/Report.h"

namespace weapons {

// The picture object of the sheet that shows the weapon's photo.
inline constexpr const char* kSheetPicture = "imgLogo";

// The picture the sheet shows when the card's picture cannot be had
// (297 x 184).
const QImage& sheetStandInPicture();

// The one-page sheet "Scheda tecnica arma" of a weapon card: A4 portrait,
// the make and model in a header band, the photo ("imgLogo", 188 x 112 mm,
// the stand-in picture until it is set), the value, the labelled boxes of
// the technical data and the owner, the notes and the footnote `txtCalce`.
// Values are the card's texts, trimmed; a long one wraps and shrinks in its
// box. The sale flag and the attachments are not printed.
report::Report weaponSheet(const FieldValues& cardTexts, const QDateTime& now,
                           const QLocale& locale = QLocale());

// The same, as the print windows and the command line take it.
report::Report weaponSheetOfTexts(const FieldValues& cardTexts, const QDateTime& now);

}  // namespace weapons
