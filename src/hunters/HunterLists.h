#pragma once

#include "lists/ListDefinitions.h"

// The hunters' search, permit-expiry summary and export.
namespace hunters {

const SearchDefinition& search();
const SummaryDefinition& permitSummary();
const ExportDefinition& exporter();

// What a picker on the hunters' search hands to another card: the
// hunter's surname, one blank and first name, each trimmed ("Rossi Mario").
ValueFn surnameAndName();
// The hunter's codice fiscale and preferred telephone, each trimmed.
ValueFn taxCode();
ValueFn preferredPhone();

// The item texts of the search and of the summary.
QString searchItem(const FieldValues& values);
QString summaryItem(const FieldValues& values);

// A hunter is in the summary from `Preavviso` days before the permit's
// expiry on. A card whose stored expiry is no date, or whose notice days
// are no whole number, is left out; the cards after it are still listed.
bool permitCondition(const FieldValues& values, const QDate& today);

// A hunter as the membership and the members' register read him, each
// text trimmed.
struct Person {
    QString surname;
    QString name;
    QString taxCode;
    QString birthDate;
    QString birthPlace;
    QString residence;  // "Via Roma 1, 59100 Prato (PO)"
    QString admission;  // the card's "Data iscrizione"
};
Person person(const FieldValues& values);

}  // namespace hunters
