#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "import/ImportFile.h"
#include "lists/ArchiveDefinition.h"
#include "records/RecordFile.h"

// Bringing the rows of a file into an archive, as its card would store
// them: columns matched to the card's fields, values converted, every row
// through the card's own checks, duplicates by the archive's natural key,
// then every accepted row appended in one journaled write. The rows come
// a batch at a time (importfile::Rows) and are converted and checked on a
// few threads, each batch then taken in the file's order for the
// duplicates and the write: no more of a file is held than the batches
// being checked.
namespace importer {

// A column not imported.
constexpr qsizetype kNotImported = -1;

// A header's text as matching compares it: no case, accents, blanks or
// punctuation, words split where a lower-case letter meets a capital
// ("DataNasc" as "data nasc"), and without the little words ("di", "del"
// ...): "Data di nascita", "DATA NASCITA" and "data_nascita" are one.
QString matchingName(const QString& text);
// A header's words as matching reads them, little words kept: no case,
// accents, dots or symbols, words split as matchingName() splits them,
// joined by one blank ("Nato il/a" is "nato il a", "C.A.P." is "c a p").
QString titleWords(const QString& text);

// The fields a file may fill: the card's fields, in the card's order.
QList<qsizetype> importableFields(const ArchiveDefinition& archive);
// A field's name for the user: its card label without the colon.
QString fieldLabel(const ArchiveDefinition& archive, qsizetype field);
// How a column of the file was matched to a field.
struct ColumnMatch {
    qsizetype field = kNotImported;
    // Why a column whose title names fields was left out, in Italian: the
    // fields it could be, or the column that has its field. Empty: none.
    QString doubt;
};
// The field each header cell names, by the card's labels (with what tells
// same-labelled fields apart), the titles the card declares for each field,
// the export's column titles, the search's captions and the record's field
// names: by their words, then by their words without the little ones. A
// title that names several fields is settled by the fields of the columns
// beside it (the province after the town of residence) and by what the
// column's first rows (`sample`) hold (dates, codici fiscali, e-mail
// addresses, CAPs); one still unsettled is left out with its doubt, never
// guessed. A field goes to one column only: a later column that names it
// is left out with its doubt.
QList<ColumnMatch> matchHeader(const ArchiveDefinition& archive, const QStringList& header,
                               const QList<QStringList>& sample = {});
QList<qsizetype> matchColumns(const ArchiveDefinition& archive, const QStringList& header,
                              const QList<QStringList>& sample = {});
// The field `text` names for the user: a card label, a field's name or one
// of its titles; kNotImported with the message (naming the valid names)
// when it names none or several.
qsizetype fieldNamed(const ArchiveDefinition& archive, const QString& text, QString* error);
// Applies "Titolo=Campo,..." (a header title, then a field as fieldNamed()
// takes it, or "non importare"); false with the message when a title or
// field is unknown.
bool applyColumns(const ArchiveDefinition& archive, const QStringList& header,
                  const QString& mapping, QList<qsizetype>* columns, QString* error);

// The mapping of titles to fields the window keeps for each archive in the
// data folder's settings, so that the command line's import takes the
// same: saved for the header's titles, and applied over `columns` for those
// of a header it names (true when it named any).
void saveColumns(const ArchiveDefinition& archive, const QStringList& header,
                 const QList<qsizetype>& columns);
bool applySavedColumns(const ArchiveDefinition& archive, const QStringList& header,
                       QList<qsizetype>* columns);

// The values of a date field: gg/mm/aaaa, g/m/aa, aaaa-mm-gg and a
// spreadsheet's serial day number become "dd/mm/yyyy"; std::nullopt for
// anything else.
std::optional<QString> dateValue(const QString& text);
// The values of a check box: Sì/Si/S/X/1/Vero/True and No/N/0/Falso/False
// or nothing, as the card stores them ("Sì", "No").
std::optional<QString> checkValue(const QString& text);

struct Options {
    QString year;                   // a yearly archive's year (four digits)
    bool cutToLimits = false;       // "taglia ai limiti": cut, and list what was cut
    bool importDuplicates = false;  // import the possible duplicates too
    // Write nothing unless every row is imported (no refusal, no duplicate
    // left out).
    bool allOrNothing = false;
    // Values given to every row for fields no column fills (the days of
    // notice a sheet does not have): field, text as a cell would hold it.
    QList<QPair<qsizetype, QString>> fixedValues = {};
};

// A row not imported, with the message that says why (the card's own for
// its checks).
struct Refusal {
    qint64 line;
    QString message;
};
struct Duplicate {
    qint64 line;
    QString key;
    qsizetype record;    // the stored record it matches, 0 for an earlier row
    qint64 earlierLine;  // the earlier row it matches
};
struct Cut {
    qint64 line;
    QString message;
};

struct Plan {
    bool ok = false;
    bool cancelled = false;
    QString error;
    qint64 rowsRead = 0;
    qint64 accepted = 0;  // the rows to be added
    QList<Refusal> refused;
    QList<Duplicate> duplicates;
    QList<Cut> cuts;
    // The CAPs of the rows to be added that were given back the leading
    // zeros a spreadsheet's number lost ("6012" as "06012").
    qint64 postCodesPadded = 0;
};

// Converts and checks every row for the archive file at `path` (which may
// not exist yet): the dry run. Reads the stored records' keys for the
// duplicates, and keeps of the rows only the natural keys seen (for the
// duplicates among them) and the messages. A file that cannot be read to
// its end leaves ok false with its message. `progress` is told how far the
// rows are, after each batch; false cancels.
Plan prepare(const ArchiveDefinition& archive, const QString& path, importfile::Rows& rows,
             const QList<qsizetype>& columns, const Options& options,
             const ScanProgress& progress = {});
Plan prepare(const ArchiveDefinition& archive, const QString& path, const importfile::Table& table,
             const QList<qsizetype>& columns, const Options& options,
             const ScanProgress& progress = {});
// One row as it would be stored, or the reason it cannot be (for the
// window's preview).
FieldValues rowValues(const ArchiveDefinition& archive, const QStringList& cells,
                      const QList<qsizetype>& columns, const Options& options,
                      QString* refusal = nullptr, QStringList* cut = nullptr);

// The dry run's report, in Italian: rows read, to be added, refused (with
// their lines and reasons), duplicates, what was cut.
QString report(const ArchiveDefinition& archive, const Plan& plan, bool duplicatesImported);

// What an import did.
struct Imported {
    // What the rows gave, as the dry run gives it (plan.ok false: the rows
    // could not be read to their end, and nothing was written).
    Plan plan;
    bool written = false;    // the accepted rows are in the archive
    qsizetype first = 0;     // the number of the first record written
    qint64 count = 0;        // the records written
    bool cancelled = false;  // the user stopped it: nothing was written
    QString error;           // why the archive could not be written
};

// Checks the rows as prepare() does and appends the accepted ones as it
// goes, a batch of rows at a time, under the archive's lock and through one
// journal: the append is taken back whole, leaving the file exactly as it
// was, when the rows cannot be read to their end, on a write failure or a
// full disk, when `progress` (told after each batch) asks to stop, and with
// Options::allOrNothing at the first row not imported (the rest are still
// checked, for the report). A crash leaves the journal, and the next opener
// takes the append back.
Imported import(const ArchiveDefinition& archive, const QString& path, importfile::Rows& rows,
                const QList<qsizetype>& columns, const Options& options,
                const ScanProgress& progress = {});

}  // namespace importer
