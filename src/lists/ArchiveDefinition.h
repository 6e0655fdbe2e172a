#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <span>

#include "lists/ListDefinitions.h"
#include "lists/RtfDocument.h"
#include "records/CardFields.h"
#include "report/Report.h"
#include "shell/HelpTopics.h"

struct MailingFields;
struct LetterFields;

// How a typed spreadsheet (.xlsx) writes a field: a date, an amount with
// `decimals` decimals, or a code kept as text with its leading zeros. The
// fields without a type are text.
struct FieldType {
    enum Kind { Date, Amount, Code };
    FieldId field;
    Kind kind;
    int decimals = 2;
};

// How the command line and the windows name a yearly archive's file when
// not by its year: the option, its placeholder in the usage text, the
// four-digit year of a typed text (empty when it is none) and the text
// of the period a day falls in ("2026/2027").
struct YearNaming {
    const char* option;       // "--stagione"
    const char* placeholder;  // "AAAA/AAAA"
    QString (*yearOf)(const QString& text);
    QString (*periodOn)(const QDate& day);
};

struct AgendaCondition;     // agenda/Agenda.h
struct CalendarDefinition;  // export/Calendar.h

// One archive as the core knows it, declared once by the archive's folder:
// what the command line, printing and the guide need of it. The registry
// (app/Archives) lists every archive.
struct ArchiveDefinition {
    const char* name;  // as the command line names it: "anagrafica"
    const RecordLayout* layout;
    const SearchDefinition* search;
    const ExportDefinition* exporter;
    QList<const SummaryDefinition*> summaries;
    // The printed sheet of a card, from the texts the card shows; null for
    // an archive whose cards do not print as a sheet.
    report::Report (*sheet)(const FieldValues& cardTexts, const QDateTime& now) = nullptr;
    // The sheet's picture object that shows a record's stored picture, and
    // that picture decoded no larger than a box; null for sheets without.
    const char* sheetPicture = nullptr;
    QImage (*storedPicture)(qsizetype number, const QSize& box) = nullptr;
    // The RTF document of a card; null for an archive without one.
    const RtfDocument* rtfCard = nullptr;
    // The archive's help topics, in the order of the complete guide.
    QList<const HelpTopic*> helpTopics;
    // An archive kept in one file per year (the deadlines' "2024.sca"): the
    // path of a year's file (four digits). Null: the archive's one file.
    QString (*yearFile)(const QString& year) = nullptr;
    // A yearly archive whose files are named otherwise than by a plain year
    // (seasons "2026/2027", each in the file of its first year); null: by
    // the year "--anno AAAA".
    const YearNaming* yearNaming = nullptr;
    // Lists of a date with a command-line name (the deadlines of a day),
    // each reading the files it names.
    QList<const ExportDefinition*> datedLists = {};
    // Post and paper (mailing/MailingFields.h): the fields of a record that
    // make its address label, membership card and merged letters; and, for
    // an archive of messages, the fields letters and e-mails are merged
    // from. Null: the archive has none.
    const MailingFields* mailing = nullptr;
    const LetterFields* letters = nullptr;
    // Its dates, amounts and codes, for the typed exports.
    QList<FieldType> fieldTypes = {};
    // Its lines of the launcher's agenda; null: none.
    QList<AgendaCondition> (*agenda)() = nullptr;
    // Its events in a calendar file (.ics); null: it exports none.
    const CalendarDefinition* calendar = nullptr;
    // The card's fields, derived fields and save checks, shared by the card
    // window and the import; null for an archive without a card.
    const CardRules* card = nullptr;
    // The fields whose texts together tell one record from another (the
    // codice fiscale, a weapon's matricola): the import lists a row whose
    // key matches a stored record or an earlier row as a possible duplicate.
    // Empty: no key, no duplicates looked for.
    std::vector<FieldId> naturalKey = {};
    // A folder of files the archive keeps beside its records in the data
    // folder (the weapons' photos), which a backup holds too; null for none.
    QString (*filesFolder)() = nullptr;

    // The record file of the archive, for a year's file the file of `year`.
    QString recordFile(const QString& year = {}) const;
};

// The program's registry (app/Archives) as generic code reaches it: installed
// once at start by the program (tests install it too), so that a window given
// only an export or a record layout finds what its archive declares.
namespace registry {
// Null removes it.
void install(const QList<const ArchiveDefinition*>& (*all)());
// The installed archive of that record layout, or of that command-line
// name; null when none (or nothing is installed).
const ArchiveDefinition* ofLayout(const RecordLayout* layout);
const ArchiveDefinition* named(const QString& name);
}  // namespace registry
