#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include "mailing/QrCode.h"
#include "report/Report.h"

// Membership cards: credit-card size, ten to an A4 page with crop marks.
namespace mailing {

inline constexpr double kCardWidth = 85.6;   // mm
inline constexpr double kCardHeight = 54.0;  // mm
inline constexpr int kCardsPerPage = 10;     // two columns of five

// A text in Arial of `points` in a rectangle given in millimetres, made
// smaller when it does not fit: the pieces of cards and letters.
report::TextObject textInMm(const QString& name, const QRectF& rectMm, const QString& text,
                            double points, bool bold = false);

// What one card shows.
struct CardData {
    QString name;
    QString taxCode;
    QString cardNumber;  // tesserino venatorio
    qsizetype record = 0;
};

// The card at `slot` (0..9) of a page, in millimetres from the paper's corner.
QRectF cardRect(int slot);

// The text of a card's QR code: name, codice fiscale and season, one a line.
QString qrText(const CardData& card, const QString& season);

// The QR code as a picture of one pixel per module (dark modules black),
// drawn as a square of `module` report units per module from `origin`. The
// picture is scaled without smoothing, so the modules stay sharp.
inline constexpr int kQrPixels = 8;  // pixels a module in the QR code's picture
report::PictureObject qrPicture(const qr::Matrix& matrix, const QPointF& origin, double module);

// The pages of cards for `season` ("2024/2025"), headed by the
// association's name and its logo (null: none).
report::Report memberCards(const QList<CardData>& cards, const QString& association,
                           const QImage& logo, const QString& season);

// The pages the cards take, and the report of one of them alone (from 0):
// the pages stand alone, so a long run of cards can be written page by page.
qsizetype cardPageCount(qsizetype cards);
report::Report memberCardPage(const QList<CardData>& cards, qsizetype page,
                              const QString& association, const QImage& logo,
                              const QString& season);

// A season as the cards print it: "AAAA/AAAA", the second year the next.
bool isSeason(const QString& text);

}  // namespace mailing
