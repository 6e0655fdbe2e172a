#pragma once

#include "lists/ListDefinitions.h"

// The deadlines' lists: the search, the yearly export and the three
// summaries of the year open in the card, and the day, month and imminent
// lists of the start panel. They compare letters lowering only A to Z.
namespace deadlines {

// TfrmTrovaScadenzario, mode "Scadenzario" loading into TfrmScadenzario.
const SearchDefinition& search();
// TfrmExpScadenzario: the year's file in file order, 19 columns.
const ExportDefinition& exporter();
// TfrmConfermati (the payments still to make, despite its name),
// TfrmNonConfermati (the payments made), TfrmDaConfermare.
const SummaryDefinition& paymentsToMake();
const SummaryDefinition& paymentsMade();
const SummaryDefinition& appointmentsToConfirm();

// TfrmExpGiornaliere, TfrmExpMensili, TfrmExpImminenti: the deadlines of
// the list's date, of its month, or imminent on it, in date-and-time order
// (the key last, "N." the reading order), 20 exported columns.
const ExportDefinition& dayList();
const ExportDefinition& monthList();
const ExportDefinition& imminentList();

// The picker of the card's "Importa dati" on the hunters' search (mode
// "scadenzario"): the chosen hunter's surname and name, codice fiscale and
// preferred telephone, each trimmed, into the deadline card.
const PickerMode& hunterPicker();

// The line of a deadline in the search and the summaries: reason 32,
// date 10, time 5, hunter 30, subject 30, then the amount.
QString listItem(const FieldValues& values);

// The selections of the day and month lists: `Data` is the date's text
// "dd/mm/yyyy"; the month picked is the date's (letter case aside) and
// `Anno` its year.
bool onDay(const FieldValues& values, const QDate& date);
bool inMonth(const FieldValues& values, const QDate& date);

}  // namespace deadlines
