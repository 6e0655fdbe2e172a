// Writes the archive the benchmark table measures: the generated hunters
// (HunterData.h), as many as asked, in
// FOLDER/Cacciatori.pro, and for sqlite3, which the table compares with,
// the same rows as the export's columns in FOLDER/anagrafica.tsv and each
// hunter's number and line of the search list in FOLDER/righe.tsv (each
// file a header line, then one line per hunter), and every card field of
// the same hunters in FOLDER/importa.csv (the field names, then cells quoted
// and separated by commas as RFC 4180 asks), which the table imports and
// has sqlite3 import. Prints the hunters' record size and the offsets and
// capacities of the surname and name fields, for the plain read that is the floor of every ratio.
// Also every field of every hunter as the CSV export holds them, in
// FOLDER/campi.tsv; with a third argument, that many deadlines of 2024 in
// FOLDER/2024.sca (DeadlineData.h), and a second line with their record
// size and the offsets and capacities of two of their fields.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "DeadlineData.h"
#include "HunterData.h"
#include "hunters/HunterLists.h"
#include "hunters/TRecCacciatore.h"
#include "lists/RecordList.h"
#include "lists/Spreadsheet.h"
#include "records/RecordCodec.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "uso: %s CARTELLA SCHEDE [SCADENZE]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int count = QString::fromLatin1(argv[2]).toInt();
    const RecordLayout& layout = TRecCacciatore::layout();
    const ExportDefinition& exporter = hunters::exporter();

    QFile archive(folder.filePath(QStringLiteral("Cacciatori.pro")));
    QFile table(folder.filePath(QStringLiteral("anagrafica.tsv")));
    QFile lineTable(folder.filePath(QStringLiteral("righe.tsv")));
    QFile fieldTable(folder.filePath(QStringLiteral("campi.tsv")));
    if (!fieldTable.open(QIODevice::WriteOnly)) return 1;
    QByteArray fieldHeader;
    for (std::size_t f = 0; f < layout.fields.size(); ++f) {
        fieldHeader += (f ? "\tf" : "f") + QByteArray::number(qsizetype(f));
    }
    fieldTable.write(fieldHeader + '\n');
    QByteArray fields;
    QFile csv(folder.filePath(QStringLiteral("importa.csv")));
    if (!archive.open(QIODevice::WriteOnly) || !table.open(QIODevice::WriteOnly) ||
        !lineTable.open(QIODevice::WriteOnly) || !csv.open(QIODevice::WriteOnly)) {
        return 1;
    }
    const auto quoted = [](const QString& text) {
        QByteArray bytes = text.toUtf8();
        bytes.replace("\"", "\"\"");
        return "\"" + bytes + "\"";
    };
    QList<qsizetype> cardFields;
    {
        QByteArray line;
        for (qsizetype f = 0; f < qsizetype(layout.fields.size()); ++f) {
            // Not the attachments, which the import leaves out.
            const QString name = QString::fromLatin1(layout.fields[std::size_t(f)].name);
            if (name.startsWith(QLatin1String("File")) || name.startsWith(QLatin1String("Desc"))) {
                continue;
            }
            cardFields.append(f);
            line += (line.isEmpty() ? "" : ",") + quoted(name);
        }
        csv.write(line + "\r\n");
    }
    QByteArray header;
    for (qsizetype c = 0; c < exporter.columns.size(); ++c) {
        header += (c ? "\tc" : "c") + QByteArray::number(c);
    }
    table.write(header + '\n');
    lineTable.write("n\triga\n");
    const SearchDefinition& search = hunters::search();

    QByteArray records;
    QByteArray rows;
    QByteArray lines;
    QByteArray csvRows;
    for (int i = 0; i < count; ++i) {
        const QByteArray record = codec::encode(layout, bench::hunter(i).toValues());
        records += record;
        const FieldValues values = loadedValues(layout, record);
        rows += exportRow(exporter.columns, values).join(u'\t').toUtf8() + '\n';
        lines += QByteArray::number(i + 1) + '\t' + search.itemText(values).toUtf8() + '\n';
        fields += values.join(u'\t').toUtf8() + '\n';
        for (qsizetype c = 0; c < cardFields.size(); ++c) {
            csvRows += (c ? "," : "") + quoted(values.at(cardFields.at(c)));
        }
        csvRows += "\r\n";
        if (records.size() > (1 << 20)) {
            csv.write(csvRows);
            csvRows.clear();
            archive.write(records);
            table.write(rows);
            lineTable.write(lines);
            fieldTable.write(fields);
            fields.clear();
            records.clear();
            rows.clear();
            lines.clear();
        }
    }
    archive.write(records);
    table.write(rows);
    lineTable.write(lines);
    fieldTable.write(fields);
    csv.write(csvRows);
    const qsizetype surname = layout.indexOfField(u"Cognome");
    const qsizetype name = layout.indexOfField(u"Nome");
    std::printf("%lld %lld %d %lld %d\n", static_cast<long long>(layout.recordSize()),
                static_cast<long long>(layout.offsetOf(surname)), layout.fields[surname].capacity,
                static_cast<long long>(layout.offsetOf(name)), layout.fields[name].capacity);
    if (argc == 4) {
        const int deadlines = QString::fromLatin1(argv[3]).toInt();
        bench::writeDeadlineYear(folder.filePath(QStringLiteral("2024.sca")), deadlines);
        const RecordLayout& year = TRecScadenza::layout();
        const qsizetype client = year.indexOfField(u"Cliente");
        const qsizetype subject = year.indexOfField(u"Oggetto");
        std::printf("%lld %lld %d %lld %d\n", static_cast<long long>(year.recordSize()),
                    static_cast<long long>(year.offsetOf(client)), year.fields[client].capacity,
                    static_cast<long long>(year.offsetOf(subject)), year.fields[subject].capacity);
    }
    return 0;
}
