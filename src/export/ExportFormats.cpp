#include "export/ExportFormats.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "base/TextRules.h"
#include "export/Calendar.h"
#include "export/CsvFile.h"
#include "import/Importer.h"
#include "lists/RecordList.h"
#include "lists/Spreadsheet.h"
#include "records/RecordFile.h"

namespace exportformat {

namespace {

xlsx::CellKind kindOf(FieldType::Kind kind) {
    switch (kind) {
        case FieldType::Date:
            return xlsx::CellKind::Date;
        case FieldType::Amount:
            return xlsx::CellKind::Amount;
        case FieldType::Code:
            return xlsx::CellKind::Code;
    }
    return xlsx::CellKind::Text;
}

}  // namespace

std::optional<Format> named(const QString& name) {
    for (const Format format : {Format::Xls, Format::Xlsx, Format::Csv, Format::Ics}) {
        if (name == nameOf(format)) return format;
    }
    return std::nullopt;
}

QString nameOf(Format format) {
    switch (format) {
        case Format::Xls:
            return QStringLiteral("xls");
        case Format::Xlsx:
            return QStringLiteral("xlsx");
        case Format::Csv:
            return QStringLiteral("csv");
        case Format::Ics:
            return QStringLiteral("ics");
    }
    return {};
}

QList<Format> formatsOf(const ArchiveDefinition& archive) {
    QList<Format> formats{Format::Xls, Format::Xlsx, Format::Csv};
    if (archive.calendar) formats.append(Format::Ics);
    return formats;
}

QString fileName(const QString& xlsFileName, Format format, const QString& year) {
    QString name = xlsFileName;
    if (name.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive)) name.chop(4);
    if (format == Format::Ics && !year.isEmpty()) name += u'_' + year;
    return name + u'.' + nameOf(format);
}

QString yearOf(const ArchiveDefinition& archive, const QString& recordFile) {
    if (!archive.yearFile) return {};
    // A list of a day reads no one year's file: its path holds the year's
    // placeholder, which names no year.
    const QString base = QFileInfo(recordFile).completeBaseName();
    static const QRegularExpression year(QStringLiteral("^[0-9]{4}$"));
    return year.match(base).hasMatch() && base != QLatin1String("0000") ? base : QString();
}

QString intoFormat(Format format) {
    switch (format) {
        case Format::Xls:
        case Format::Xlsx:
            return QStringLiteral("in Excel");
        case Format::Csv:
            return QStringLiteral("in CSV");
        case Format::Ics:
            return QStringLiteral("nel calendario");
    }
    return {};
}

QString fileOfFormat(Format format) {
    switch (format) {
        case Format::Xls:
        case Format::Xlsx:
            return QStringLiteral("file di Excel");
        case Format::Csv:
            return QStringLiteral("file CSV");
        case Format::Ics:
            return QStringLiteral("file del calendario");
    }
    return {};
}

QList<xlsx::Column> workbookColumns(const ArchiveDefinition* archive,
                                    const QList<ExportColumn>& columns) {
    QList<xlsx::Column> result;
    for (const ExportColumn& column : columns) {
        xlsx::Column out{column.header, qBound(8.0, column.exportWidth / 7.0, 80.0)};
        if (archive && column.oneField) {
            for (const FieldType& type : archive->fieldTypes) {
                if (type.field.index != column.fields.front()) continue;
                out.kind = kindOf(type.kind);
                out.decimals = type.decimals;
            }
        }
        result.append(out);
    }
    return result;
}

QStringList csvHeader(const ArchiveDefinition& archive) {
    const RecordLayout& layout = *archive.layout;
    const std::span<const CardField> fields =
        archive.card ? archive.card->fields : std::span<const CardField>();
    QStringList header;
    for (qsizetype f = 0; f < qsizetype(layout.fields.size()); ++f) {
        QString label;
        for (const CardField& field : fields) {
            // Without the colon that ends it on the card, with what tells
            // it apart from a field of the same label ("Prov. (nascita)").
            if (field.field.index == f) label = fieldTitle(field);
        }
        header.append(label);
    }
    // A title the import would not read as its own field (a label that is
    // another field's name) and a field the card
    // does not show take the field's name, which the import always reads.
    const QList<qsizetype> matched = importer::matchColumns(archive, header);
    for (qsizetype f = 0; f < header.size(); ++f) {
        if (header.at(f).isEmpty() || matched.value(f, -1) != f)
            header[f] = QString::fromLatin1(layout.fields[std::size_t(f)].name);
    }
    return header;
}

QList<ExportColumn> workbookExportColumns(const ArchiveDefinition& archive,
                                          const QList<ExportColumn>& columns) {
    QList<ExportColumn> result = columns;
    QList<qsizetype> shown;
    for (const ExportColumn& column : columns) {
        if (column.oneField) shown += column.fields;
    }
    const QStringList titles = csvHeader(archive);
    const RecordLayout& layout = *archive.layout;
    for (qsizetype f = 0; f < qsizetype(layout.fields.size()); ++f) {
        if (shown.contains(f)) continue;
        // Wide enough for most texts, never wider than the field needs.
        const int width = qBound(60, layout.fields[std::size_t(f)].capacity * 7, 300);
        result.append(ExportColumn{
            layout.fields[std::size_t(f)].name,
            titles.at(f),
            width,
            width,
            [f](const FieldValues& values) { return text::trimBlanks(values.value(f)); },
            {f},
            true});
    }
    return result;
}

bool exportRecords(const Request& request, qsizetype* rowCount, QString* error,
                   const ScanProgress& progress, bool* cancelled) {
    if (cancelled) *cancelled = false;
    if (rowCount) *rowCount = 0;
    if (request.format == Format::Ics) {
        return calendar::exportRecords(request, rowCount, error, progress, cancelled);
    }
    const ArchiveDefinition& archive = *request.archive;
    const RecordLayout& layout = *archive.layout;
    const QList<ExportColumn> columns =
        request.format == Format::Xlsx ? workbookExportColumns(archive, request.exporter->columns)
                                       : request.exporter->columns;
    if (request.format == Format::Xls && request.paths.size() == 1 && !request.select) {
        return spreadsheet::exportArchive(layout, columns, request.paths.first(), request.target,
                                          request.exporter->sheetName, rowCount, error, progress,
                                          cancelled);
    }
    const bool csv = request.format == Format::Csv;
    xlsx::Writer workbook;
    csv::Writer text;
    if (csv ? !text.open(request.target, csvHeader(archive), error)
            : !workbook.open(request.target, request.exporter->sheetName,
                             workbookColumns(&archive, columns), error)) {
        return false;
    }
    QList<qsizetype> needed;
    if (!csv) needed = fieldsOf(columns);
    bool stopped = false;
    qsizetype count = 0;
    const bool read = readSelected(
        request,
        [&](qsizetype, qsizetype, QByteArrayView record) {
            const FieldValues values =
                csv ? loadedValues(layout, record) : loadedValues(layout, record, &needed);
            if (csv) {
                text.addRow(values);
            } else {
                workbook.addRow(exportRow(columns, values));
            }
            ++count;
        },
        error, progress, &stopped);
    if (!read) {
        csv ? text.cancel() : workbook.cancel();
        if (stopped && cancelled) *cancelled = true;
        return false;
    }
    if (rowCount) *rowCount = count;
    return csv ? text.finish(error) : workbook.finish(error);
}

bool readSelected(
    const Request& request,
    const std::function<void(qsizetype file, qsizetype number, QByteArrayView record)>& take,
    QString* error, const ScanProgress& progress, bool* stopped) {
    const RecordLayout& layout = *request.archive->layout;
    FieldLoader selected(layout, request.selectFields);
    *stopped = false;
    for (qsizetype f = 0; f < request.paths.size(); ++f) {
        QString readError;
        const bool read = RecordFile::scan(
            request.paths.at(f), layout.recordSize(),
            [&](qsizetype number, QByteArrayView record) {
                if (!request.select || request.select(selected.load(record)))
                    take(f, number, record);
                return true;
            },
            &readError,
            progress ? ScanProgress([&](qint64 done, qint64 total) {
                constexpr qint64 kShare = 1000;
                if (!progress(f * kShare + done * kShare / qMax<qint64>(total, 1),
                              request.paths.size() * kShare)) {
                    *stopped = true;
                }
                return !*stopped;
            })
                     : ScanProgress());
        if (*stopped) return false;
        if (!read) {
            if (error) *error = readError;
            return false;
        }
    }
    return true;
}

}  // namespace exportformat
