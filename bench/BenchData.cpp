// Writes the archive the benchmark table measures: 100 000 hunters in
// FOLDER/Cacciatori.pro, and the same rows as the export's columns in
// FOLDER/anagrafica.tsv (a header line, then one line per hunter), from
// which sqlite3 builds the database the export is compared with. Prints
// the hunters' record size and the offsets and capacities of the surname
// and name fields, for the plain read that is the floor of every ratio.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "archive/RecordCodec.h"
#include "archive/RecordList.h"
#include "archive/Spreadsheet.h"
#include "hunters/HunterLists.h"
#include "hunters/TRecCacciatore.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s CARTELLA SCHEDE\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int count = QString::fromLatin1(argv[2]).toInt();
    const RecordLayout& layout = TRecCacciatore::layout();
    const ExportDefinition& exporter = hunters::exporter();

    QFile archive(folder.filePath(QStringLiteral("Cacciatori.pro")));
    QFile table(folder.filePath(QStringLiteral("anagrafica.tsv")));
    if (!archive.open(QIODevice::WriteOnly) || !table.open(QIODevice::WriteOnly)) return 1;
    QByteArray header;
    for (qsizetype c = 0; c < exporter.columns.size(); ++c) {
        header += (c ? "\tc" : "c") + QByteArray::number(c);
    }
    table.write(header + '\n');

    const char* surnames[] = {"Rossi",   "Rossetti", "Bianchi", "Verdi",   "Esposito", "Romano",
                              "Colombo", "Ricci",    "Marino",  "Greco",   "Bruno",    "Gallo"};
    const char* names[] = {"Mario", "Marta", "Luigi", "Anna",  "Marco",
                           "Paola", "Giulia", "Franco", "Maria", "Sergio"};
    QByteArray records;
    QByteArray rows;
    for (int i = 0; i < count; ++i) {
        TRecCacciatore h;
        h.Cognome = QString::fromLatin1(surnames[i % 12]) + QString::number(i % 997);
        h.Nome = QString::fromLatin1(names[(i / 12) % 10]);
        h.CodFisc = QStringLiteral("RSSMRA80A01H%1").arg(i % 1000, 3, 10, QChar(u'0'));
        h.Recapito = QStringLiteral("333 %1").arg(i, 7, 10, QChar(u'0'));
        h.Permesso = QStringLiteral("Squadra dei cinghiali n. %1").arg(i % 40);
        h.ScadePer = QStringLiteral("01/09/2020");
        h.Civile = QStringLiteral("ID-%1").arg(i);
        h.Indirizzo = QStringLiteral("Via dei Cacciatori %1").arg(i % 300);
        h.ComuneRes = QStringLiteral("Comune %1").arg(i % 500);
        h.Decorrenza = QStringLiteral("01/05/2019");
        // Half of the permits expire within their notice of 10 May 2024.
        h.Scadenza = QStringLiteral("%1/0%2/2024").arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(5 + i % 2);
        h.Preavviso = QString::number(30 + i % 30);
        h.Totale = QStringLiteral("150,00");
        h.Note = QStringLiteral("Note della scheda %1: è socio dal 2019").arg(i);
        const QByteArray record = codec::encode(layout, h.toValues());
        records += record;
        const QStringList row = exportRow(exporter.columns, loadedValues(layout, record));
        rows += row.join(u'\t').toUtf8() + '\n';
        if (records.size() > (1 << 20)) {
            archive.write(records);
            table.write(rows);
            records.clear();
            rows.clear();
        }
    }
    archive.write(records);
    table.write(rows);
    const qsizetype surname = layout.indexOfField(u"Cognome");
    const qsizetype name = layout.indexOfField(u"Nome");
    std::printf("%lld %lld %d %lld %d\n", static_cast<long long>(layout.recordSize()),
                static_cast<long long>(layout.offsetOf(surname)), layout.fields[surname].capacity,
                static_cast<long long>(layout.offsetOf(name)), layout.fields[name].capacity);
    return 0;
}
