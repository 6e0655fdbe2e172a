#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "archive/RecordLayout.h"
#include "archive/RecordList.h"
#include "archive/Spreadsheet.h"
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
};

struct SearchDefinition {
    const char* windowName;  // TfrmTrovaAnagrafica
    QString caption;
    const RecordLayout* layout;
    QList<SearchCriterionSpec> criteria;  // tab order and Enter chain
    ItemFormat itemText;
    QString printTitle;
    QList<PickerMode> pickers;

    const PickerMode* picker(const QString& tag) const;
    // The name of a criterion's field in the record type ("Cognome"), as
    // the command line names it.
    QString criterionName(qsizetype criterion) const;
    // The criteria with the texts typed for them, in order.
    QList<Criterion> criteriaWith(const QStringList& texts) const;
    // Searches the archive file at `path` with the texts typed for the
    // criteria, decoding only the fields the criteria and the lines need.
    ListResult run(const QString& path, const QStringList& texts) const;
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

    ListResult build(const QString& path, const QDate& today) const;
};

struct ExportDefinition {
    const char* windowName;  // TfrmExpAnagrafica
    QString caption;
    const RecordLayout* layout;
    QString fileName;  // "Anagrafica_Cacciatori.xls", in the data folder
    QString sheetName;
    QList<ExportColumn> columns;
    const HelpTopic* guide;  // the topic of the window's Guida button
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
