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

// The fields a file may fill: the card's fields, in the card's order.
QList<qsizetype> importableFields(const ArchiveDefinition& archive);
// A field's name for the user: its card label without the colon.
QString fieldLabel(const ArchiveDefinition& archive, qsizetype field);
// The field each header cell names (by the export's column titles, the
// card's labels, the search's captions and the record's field names), or
// kNotImported. A field is taken by its first column only.
QList<qsizetype> matchColumns(const ArchiveDefinition& archive, const QStringList& header);
// Applies "Titolo=Campo,..." (a header title, then a field as matching
// names it, or "non importare"); false with the message when a title or
// field is unknown.
bool applyColumns(const ArchiveDefinition& archive, const QStringList& header,
                  const QString& mapping, QList<qsizetype>* columns, QString* error);

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
