#pragma once

#include <QString>

class QWidget;

// Opening the checkers from a card: each takes the card's field as it is,
// trims it, puts it in a fresh checker window and shows that window
// modally over the card until it closes. The checkers only report; the
// card is never changed.
namespace checks {

// The codice fiscale button of every card. A text of digits only is a
// company's codice fiscale, which is its partita IVA: it opens the partita
// IVA checker. Anything else, an empty text too, opens the codice fiscale
// checker.
void showCodiceFiscaleChecker(const QString& fieldText, QWidget* card);

void showPartitaIvaChecker(const QString& fieldText, QWidget* card);
void showIbanChecker(const QString& fieldText, QWidget* card);
void showCardChecker(const QString& fieldText, QWidget* card);

}  // namespace checks
