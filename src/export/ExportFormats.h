#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "export/XlsxFile.h"
#include "lists/ArchiveDefinition.h"

// The formats an archive exports to, beside the spreadsheet of old (.xls,
// lists/Spreadsheet): a typed workbook (.xlsx) of the same columns, a
// complete CSV of every field of the records, and a calendar (.ics) for
// the archives that declare one. Everything about an archive comes from its
// registry entry: its columns, its fields' types and labels.
namespace exportformat {

enum class Format { Xls, Xlsx, Csv, Ics };

// "xls", "xlsx", "csv", "ics": a format by its command-line name.
std::optional<Format> named(const QString& name);
QString nameOf(Format format);
// The formats an archive offers, in order (the .xls first).
QList<Format> formatsOf(const ArchiveDefinition& archive);
// The export's file name in the chosen format: the .xls name with the
// format's extension ("Anagrafica_Cacciatori.xls" -> "...csv"); the
// calendar of a yearly archive's `year` carries it ("Scadenzario_2025.ics").
QString fileName(const QString& xlsFileName, Format format, const QString& year = {});
// The year of a yearly archive's record file ("2025.sca" -> "2025"); empty
// for an archive of one file.
QString yearOf(const ArchiveDefinition& archive, const QString& recordFile);
// How the export window and its messages name a format: "in Excel", "in
// CSV", "nel calendario"; "file di Excel", "file CSV", "file del calendario".
QString intoFormat(Format format);
QString fileOfFormat(Format format);

// The typed workbook's columns for the export columns: a column of one
// field takes that field's type, the others are text; the width in
// characters from the export width.
QList<xlsx::Column> workbookColumns(const ArchiveDefinition* archive,
                                    const QList<ExportColumn>& columns);
// The CSV header: every field in record order, headed by its card label
// without the closing colon, or by its name where the card has none or
// where the import would read the label as another field; so the import
// reads every column back into its own field.
QStringList csvHeader(const ArchiveDefinition& archive);

// The columns of the .xlsx of an archive: those of its .xls, then every
// field that none of them shows alone, in record order, under its CSV
// title; so a mail merge elsewhere finds every field (surname and name
// apart, postcode, province, dates).
QList<ExportColumn> workbookExportColumns(const ArchiveDefinition& archive,
                                          const QList<ExportColumn>& columns);

// Writes the records of `paths` (those `select` takes, every one when
// null) in the format: workbookExportColumns() for .xlsx, every field for
// CSV.
// A file that cannot be read whole writes nothing (an earlier file stays).
struct Request {
    const ArchiveDefinition* archive;
    const ExportDefinition* exporter;  // its columns and sheet name
    Format format;
    QStringList paths;
    QString target;
    std::function<bool(const FieldValues&)> select = nullptr;
    QList<qsizetype> selectFields = {};
};
bool exportRecords(const Request& request, qsizetype* rowCount = nullptr, QString* error = nullptr,
                   const ScanProgress& progress = {}, bool* cancelled = nullptr);

// Reads the request's files in order and hands `take` each record its
// selection keeps (the file's position in `paths`, the record's number in
// it). `progress` covers every file as one; false when a file cannot be
// read (`error`) or the progress stopped the reading (`stopped` set).
bool readSelected(
    const Request& request,
    const std::function<void(qsizetype file, qsizetype number, QByteArrayView record)>& take,
    QString* error, const ScanProgress& progress, bool* stopped);

}  // namespace exportformat
