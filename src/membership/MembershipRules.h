#pragma once

#include <QDate>
#include <QStringList>
#include <optional>

#include "membership/TRecTessera.h"
#include "records/SaveCheck.h"

// The membership's words and checks, without widgets.
namespace membership {

// The states of a membership, in the card's drop-down order.
inline const QString kToPay = QStringLiteral("da pagare");
inline const QString kPaid = QStringLiteral("pagata");
inline const QString kAnnulled = QStringLiteral("annullata");
QStringList stateItems();
// contanti, bonifico, POS, assegno.
QStringList methodItems();
// dimissioni, decadenza, esclusione, decesso.
QStringList exitReasonItems();

// An amount in Italian words, as a receipt writes it: the euros in words,
// joined as on a cheque, then the cents in figures: 173,16 ->
// "centosettantatré/16 euro", 0,50 -> "zero/50 euro". `cents` >= 0.
QString amountInWords(qint64 cents);
// A whole number in Italian words, joined ("duemilatré").
QString numberInWords(qint64 number);

// Whether a membership's member has left the association by `day` (an exit
// date on or before it).
bool hasLeft(const TRecTessera& card, const QDate& day);

// The checks of Save on the card: the member, the season, the fee kind,
// the amount, the state and what goes with a payment and an exit.
std::optional<SaveCheck> checkForSave(const TRecTessera& card);

// The amount as its field shows it once left: two decimals, "0,00" for
// what is no amount.
QString formatAmount(const QString& text);

}  // namespace membership
