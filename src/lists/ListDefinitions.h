#pragma once

#include <QDate>
#include <QList>
#include <QSize>
#include <QString>
#include <vector>

#include "lists/RecordList.h"
#include "lists/Spreadsheet.h"
#include "records/RecordLayout.h"
#include "shell/HelpTopics.h"

// What makes one archive's search, summary and export windows: tables that
// the generic windows and the command line read.

struct SearchCriterionSpec {
    const char* control;  // txtCognome
    const char* caption;  // "Cognome:"
    FieldId field;        // TRecCacciatore::Field::Cognome
    // The name of the highlight shown behind the criterion while it has the
    // focus ("effCampo01"); null: "eff" and the control's name without its
    // "txt" ("effCognome").
    const char* highlight = nullptr;

    QString highlightName() const;
};

// How an archive's search and summary windows look and compare letters;
// what is left empty keeps the generic windows' own.
struct ListStyle {
    CaseFolding folding = CaseFolding::AllLetters;
    QSize windowSize = {};
    // The double-click hint under the list in red.
    bool redHint = false;
    // The search's text over its criteria.
    QString criteriaInstruction = {};
    // The text over the list about finding a line in it.
    QString findInstruction = {};
    // The search's count line, with %1 for the number of lines ("Il
    // presente riepilogo contiene %1 schede.").
    QString countText = {};
};

// What a double-click does for one window tag: load the record into the
// archive's card, or write some of its values into fields of another card.
struct PickerMode {
    struct Assignment {
        const char* control;
        std::function<QString(const FieldValues&)> value;
    };
    const char* tag;     // "anagrafica", "armi", "squadre_caposquadra"...
    const char* window;  // the card window that receives the record or values
    bool loadsRecord;    // true: load the record into the window's card
    QList<Assignment> assignments;
    // The control that receives the chosen record's number (a link to the
    // record itself); null: none.
    const char* numberControl = nullptr;
};

struct SearchDefinition {
    const char* windowName;  // TfrmTrovaAnagrafica
    QString caption;
    const RecordLayout* layout;
    QList<SearchCriterionSpec> criteria;  // tab order and Enter chain
    ItemFormat itemText;
    QString printTitle;
    QList<PickerMode> pickers;
    ListStyle style = {};

    const PickerMode* picker(const QString& tag) const;
    // The name of a criterion's field in the record type ("Cognome"), as
    // the command line names it.
    QString criterionName(qsizetype criterion) const;
    // The criteria with the texts typed for them, in order.
    QList<Criterion> criteriaWith(const QStringList& texts) const;
    // Searches the archive file at `path` with the texts typed for the
    // criteria, decoding only the fields the criteria and the lines need.
    ListResult run(const QString& path, const QStringList& texts,
                   const ScanProgress& progress = {}) const;
    // The count line for a list of `lines` lines.
    QString countLine(qsizetype lines) const;
};

struct SummaryDefinition {
    const char* windowName;   // TfrmContrattiScaduti
    const char* commandName;  // for the command line: "porto-scadenza"
    QString caption;
    const RecordLayout* layout;
    // The condition depends on today, which the caller gives.
    std::function<bool(const FieldValues&, const QDate& today)> condition;
    // The fields the condition reads: with the item text's, the only ones
    // a scan decodes.
    std::vector<FieldId> conditionFields;
    ItemFormat itemText;
    QString printTitle;
    const char* cardWindow;  // where a double-click loads the record
    ListStyle style = {};

    ListResult build(const QString& path, const QDate& today,
                     const ScanProgress& progress = {}) const;
};

struct ExportDefinition {
    const char* windowName;  // TfrmExpAnagrafica
    QString caption;
    const RecordLayout* layout;
    QString fileName;  // "Anagrafica_Cacciatori.xls", in the data folder
    QString sheetName;
    QList<ExportColumn> columns;
    const HelpTopic* guide;  // the topic of the window's Guida button

    // A list of some of the records in an order of its own (the deadlines of
    // a day): by default every record in reading order. A list has a date,
    // the one it is opened for or today.
    // The records it takes, for its date, and the fields that decides on;
    // null: every record.
    std::function<bool(const FieldValues&, const QDate& date)> selection = nullptr;
    std::vector<FieldId> selectionFields = {};
    // The column (an index in `columns`) whose text orders the rows, equal
    // texts keeping their reading order and each file's rows coming after
    // those of the file before; -1: reading order.
    int sortColumn = -1;
    // The record files the list reads for its date, in order (several
    // yearly files); null: the one file it is given.
    std::function<QStringList(const QDate& date)> files = nullptr;
    QSize windowSize = QSize(1100, 620);
    // Its name on the command line (riepilogo NAME), for a list that has one,
    // and whether its date is chosen there (--data) rather than today.
    const char* commandName = nullptr;
    bool chosenDate = false;

    // The files the list reads for `date`: files(date), or `archive`.
    QStringList filesFor(const QString& archive, const QDate& date) const;
    // The rows of the list for `date`, read from `paths` in turn (see
    // readGridRows).
    GridRows read(const QStringList& paths, const QDate& date,
                  const ScanProgress& progress = {}) const;
};

// The trimmed texts of some fields joined by a blank ("Rossi Mario"), the
// value of export columns and picker assignments.
using ValueFn = std::function<QString(const FieldValues&)>;
ValueFn joinedFields(std::initializer_list<FieldId> fields);

// A field's text as stored, blanks kept (a picker that copies a zero-
// terminated field whole).
ValueFn storedField(FieldId field);

// A column showing one field, trimmed.
ExportColumn fieldColumn(const char* name, const char* header, int gridWidth, int exportWidth,
                         FieldId field);
// A column showing several fields, each trimmed, joined by a blank.
ExportColumn joinedColumn(const char* name, const char* header, int gridWidth, int exportWidth,
                          std::initializer_list<FieldId> fields);
