#include "export/ExportFormats.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "app/Archives.h"
#include "base/Paths.h"
#include "deadlines/TRecScadenza.h"
#include "hunters/HunterCard.h"
#include "hunters/HuntersArchive.h"
#include "hunters/TRecCacciatore.h"
#include "hunts/TRecBattuta.h"
#include "import/Importer.h"
#include "records/RecordCodec.h"
#include "support/CommandRun.h"
#include "support/LibreOffice.h"
#include "support/RecordsOf.h"
#include "support/TestSeams.h"

namespace {

// A record's texts with some fields set.
// Runs a Python script on a file; its standard output parsed as JSON.
QJsonValue python(const char* script, const QString& file) {
    QProcess process;
    // Debian's Python, which the packages of the readers install into.
    process.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral("-c"), QString::fromUtf8(script), file});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        ADD_FAILURE() << process.readAllStandardError().constData();
        return {};
    }
    return QJsonDocument::fromJson("[" + process.readAllStandardOutput() + "]").array().at(0);
}

// openpyxl's reading of the first sheet: every cell's value (dates as
// ISO text), type and number format, the bold of the header, the frozen
// pane and the autofilter.
constexpr const char* kReadXlsx = R"(
import json, sys, openpyxl, datetime
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.active
cells = []
for row in ws.iter_rows():
    cells.append([{"v": (c.value.date().isoformat() if isinstance(c.value, datetime.datetime) else c.value),
                   "t": c.data_type, "f": c.number_format} for c in row])
print(json.dumps({"cells": cells, "bold": all(c.font.b for c in ws[1]),
                  "freeze": ws.freeze_panes, "filter": ws.auto_filter.ref}))
)";

constexpr const char* kReadCsv = R"(
import csv, json, sys
with open(sys.argv[1], encoding="utf-8-sig", newline="") as f:
    raw = open(sys.argv[1], "rb").read()
    print(json.dumps({"bom": raw.startswith(b"\xef\xbb\xbf"), "rows": list(csv.reader(f, delimiter=";"))}))
)";

constexpr const char* kReadIcs = R"(
import json, sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
events = []
for e in cal.walk("VEVENT"):
    alarms = [str(a.get("TRIGGER").dt) for a in e.walk("VALARM")]
    end = e.get("DTEND")
    events.append({"uid": str(e.get("UID")), "summary": str(e.get("SUMMARY")),
                   "description": str(e.get("DESCRIPTION", "")), "location": str(e.get("LOCATION", "")),
                   "start": e.get("DTSTART").dt.isoformat(), "end": end.dt.isoformat() if end else "",
                   "tzid": str(e.get("DTSTART").params.get("TZID", "")),
                   "sequence": int(e.get("SEQUENCE", -1)),
                   "modified": e.get("LAST-MODIFIED").dt.isoformat() if e.get("LAST-MODIFIED") else "",
                   "stamp": e.get("DTSTAMP").dt.isoformat() if e.get("DTSTAMP") else "",
                   "alarms": alarms})
print(json.dumps(events))
)";

class ExportFormatsTest : public ::testing::Test {
protected:
    void SetUp() override {
        paths::setDataFolder(dir.path());
        registry::install(&archives::all);
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

using H = TRecCacciatore::Field;
using S = TRecScadenza::Field;
using B = TRecBattuta::Field;

TEST_F(ExportFormatsTest, WorkbookCellsAreTypedAndFormulaLikeTextsStayText) {
    writeRecords<TRecCacciatore>(file("Cacciatori.pro"),
                                 {recordWith<TRecCacciatore>({{H::Cognome, "Rossi"},
                                                              {H::Nome, "Mario"},
                                                              {H::CodFisc, "RSSMRA70C05H501X"},
                                                              {H::DataNasc, "05/03/1970"},
                                                              {H::Iva, "01234567890"},
                                                              {H::Recapito, "0577 123456"},
                                                              {H::Note, "=SOMMA(A1:A2)"},
                                                              {H::Cap, "00123"},
                                                              {H::ProvRes, "SI"},
                                                              {H::Scadenza, "31/05/2026"}}),
                                  recordWith<TRecCacciatore>({{H::Cognome, "Verdi"},
                                                              {H::DataNasc, "non so"},
                                                              {H::TelCasa, "+39 333"},
                                                              {H::TelCel, "-5"},
                                                              {H::Note, "@casa"}})});
    const CommandResult r = runCommand({QStringLiteral("esporta"), QStringLiteral("anagrafica"),
                                        QStringLiteral("--formato"), QStringLiteral("xlsx")});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QString path = file("Anagrafica_Cacciatori.xlsx");
    // Readable as any new file of the folder (the .xls's), not private.
    ASSERT_EQ(runCommand({"esporta", "anagrafica"}).status, 0);
    EXPECT_EQ(QFile::permissions(path), QFile::permissions(file("Anagrafica_Cacciatori.xls")));
    const QJsonObject book = python(kReadXlsx, path).toObject();
    EXPECT_TRUE(book.value("bold").toBool());
    EXPECT_EQ(book.value("freeze").toString(), "A2");
    const QJsonArray cells = book.value("cells").toArray();
    ASSERT_EQ(cells.size(), 3);
    const QJsonArray header = cells.at(0).toArray();
    // Besides the .xls's columns, every field: surname and name apart,
    // postcode, province, permit dates.
    QString last;
    for (qsizetype n = header.size(); n > 0; n = (n - 1) / 26) {
        last.prepend(QChar(char16_t(u'A' + (n - 1) % 26)));
    }
    EXPECT_EQ(book.value("filter").toString(), QStringLiteral("A1:%1%2").arg(last).arg(3));
    // The column of each header, and the cells of the two rows.
    QHash<QString, int> column;
    for (int c = 0; c < header.size(); ++c) column[header.at(c)["v"].toString()] = c;
    const auto cell = [&](int row, const char* title) {
        return cells.at(row).toArray().at(column.value(QString::fromUtf8(title), -1)).toObject();
    };
    struct Case {
        int row;
        const char* column;
        QJsonValue value;
        const char* type;  // openpyxl: s text, n number, d date
        const char* format;
    } cases[] = {
        {1, "Cognome e nome", "Rossi Mario", "s", "General"},
        {1, "Cognome", "Rossi", "s", "General"},
        {1, "Nome", "Mario", "s", "General"},
        {1, "CAP", "00123", "s", "@"},
        {1, "Prov. (residenza)", "SI", "s", "General"},
        {1, "Data di nascita", "1970-03-05", "d", "dd/mm/yyyy"},
        {1, "Partita IVA", "01234567890", "s", "@"},
        {1, "Tel. preferenziale", "0577 123456", "s", "@"},
        {1, "Note", "=SOMMA(A1:A2)", "s", "General"},
        {2, "Data di nascita", "non so", "s", "General"},
        {2, "Tel. casa", "+39 333", "s", "@"},
        {2, "Tel. cellulare", "-5", "s", "@"},
        {2, "Note", "@casa", "s", "General"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " row " + std::to_string(c.row));
        const QJsonObject got = cell(c.row, c.column);
        EXPECT_EQ(got["v"], c.value);
        EXPECT_EQ(got["t"].toString(), QString::fromLatin1(c.type));
        EXPECT_EQ(got["f"].toString(), QString::fromLatin1(c.format));
    }
    // LibreOffice reads the same: the date shown as a date, the zeros kept,
    // no formula computed.
    const QList<QStringList> rows = spreadsheetRows(path, dir.filePath("lo"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(1).value(column.value("Data di nascita")), "05/03/1970");
    EXPECT_EQ(rows.at(1).value(column.value("Partita IVA")), "01234567890");
    EXPECT_EQ(rows.at(1).value(column.value("Note")), "=SOMMA(A1:A2)");
}

TEST_F(ExportFormatsTest, WorkbookAmountsAreNumbersWithTheirDecimals) {
    writeRecords<TRecScadenza>(
        file("2024.sca"),
        {recordWith<TRecScadenza>(
             {{S::Data, "02/01/2024"}, {S::CodFisc, "0123"}, {S::Costo, "1234,5678"}}),
         recordWith<TRecScadenza>({{S::Costo, "dieci"}})});
    const CommandResult r = runCommand({"esporta", "scadenzario", "--anno", "2024", "--formato",
                                        "xlsx", "--file", file("s.xlsx")});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QJsonArray cells = python(kReadXlsx, file("s.xlsx"))["cells"].toArray();
    ASSERT_EQ(cells.size(), 3);
    int costo = -1;
    const QJsonArray header = cells.at(0).toArray();
    for (int c = 0; c < header.size(); ++c) {
        if (header.at(c)["v"].toString() == "Importo in euro") costo = c;
    }
    ASSERT_GE(costo, 0);
    EXPECT_DOUBLE_EQ(cells.at(1)[costo]["v"].toDouble(), 1234.5678);
    EXPECT_EQ(cells.at(1)[costo]["t"].toString(), "n");
    EXPECT_EQ(cells.at(1)[costo]["f"].toString(), "#,##0.0000");
    EXPECT_EQ(cells.at(2)[costo]["v"].toString(), "dieci");
}

TEST_F(ExportFormatsTest, CsvHoldsEveryFieldUnderItsCardLabel) {
    const FieldValues first = recordWith<TRecCacciatore>({{H::Cognome, "Rossi"},
                                                          {H::Cap, "00123"},
                                                          {H::Note, "una; \"due\"\r\ntre"},
                                                          {H::File01, "/tmp/a.pdf"}});
    writeRecords<TRecCacciatore>(file("Cacciatori.pro"), {first});
    const CommandResult r =
        runCommand({"esporta", "anagrafica", "--formato", "csv", "--file", file("a.csv")});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);
    const QJsonObject read = python(kReadCsv, file("a.csv")).toObject();
    EXPECT_TRUE(read["bom"].toBool());
    const QJsonArray rows = read["rows"].toArray();
    ASSERT_EQ(rows.size(), 2);
    const RecordLayout& layout = TRecCacciatore::layout();
    ASSERT_EQ(rows.at(0).toArray().size(), qsizetype(layout.fields.size()));
    ASSERT_EQ(rows.at(1).toArray().size(), qsizetype(layout.fields.size()));
    EXPECT_EQ(rows.at(0)[H::Cognome].toString(), "Cognome");  // the card's "Cognome:"
    EXPECT_EQ(rows.at(0)[H::Cap].toString(), "CAP");
    EXPECT_EQ(rows.at(0)[H::File01].toString(), "File01");  // no label on the card
    // Fields of one label on the card say what tells them apart.
    EXPECT_EQ(rows.at(0)[H::ScadeCarta].toString(), "Scadenza (carta di credito)");
    EXPECT_EQ(rows.at(0)[H::StatoNasc].toString(), "Prov. (nascita)");
    EXPECT_EQ(rows.at(0)[H::ProvRes].toString(), "Prov. (residenza)");
    EXPECT_EQ(rows.at(0)[H::DataRil].toString(), "Data di rilascio (documento)");
    EXPECT_EQ(rows.at(0)[H::Decorrenza].toString(), "Data rilascio (porto di fucile)");
    // Every title is read back by the import as its own field.
    QStringList header;
    for (const QJsonValue& title : rows.at(0).toArray()) header.append(title.toString());
    const QList<qsizetype> matched = importer::matchColumns(hunters::archive(), header);
    for (const CardField& field : hunters::cardRules().fields) {
        EXPECT_EQ(matched.value(field.field.index), field.field.index)
            << header.at(field.field.index).toStdString();
    }
    for (qsizetype f = 0; f < first.size(); ++f) {
        EXPECT_EQ(rows.at(1)[f].toString(), first.at(f)) << layout.fields[std::size_t(f)].name;
    }
}

TEST_F(ExportFormatsTest, UnknownOrUnofferedFormatsAreUsageErrors) {
    writeRecords<TRecCacciatore>(file("Cacciatori.pro"), {});
    for (const char* format : {"pdf", "ics", ""}) {
        SCOPED_TRACE(format);
        const CommandResult r = runCommand({"esporta", "anagrafica", "--formato", format});
        EXPECT_EQ(r.status, 2);
    }
    // The default stays the .xls file.
    EXPECT_EQ(runCommand({"esporta", "anagrafica"}).status, 0);
    EXPECT_TRUE(QFile::exists(file("Anagrafica_Cacciatori.xls")));
}

TEST_F(ExportFormatsTest, CalendarEventsReadBackWithDatesAlarmsAndStableUids) {
    writeRecords<TRecBattuta>(file(TRecBattuta::layout().fileName),
                              {recordWith<TRecBattuta>({{B::TipoBattuta, "Cinghiale, braccata"},
                                                        {B::DataInizio, "30/01/2025"},
                                                        {B::DataFine, "01/02/2025"},
                                                        {B::Preavviso, "3"},
                                                        {B::Tenuta, "Poggio; alto"},
                                                        {B::Squadra, "I Lupi"}})});
    writeRecords<TRecScadenza>(file("2025.sca"),
                               {recordWith<TRecScadenza>({{S::Data, "15/03/2025"},
                                                          {S::Ora, "00:00"},
                                                          {S::Avviso, "2"},
                                                          {S::Oggetto, "Rinnovo porto"},
                                                          {S::Costo, "12,50"},
                                                          {S::Stato, "aperta"}})});
    ASSERT_EQ(
        runCommand({"esporta", "battute", "--formato", "ics", "--file", file("b.ics")}).status, 0);
    ASSERT_EQ(runCommand({"esporta", "scadenzario", "--anno", "2025", "--formato", "ics", "--file",
                          file("s.ics")})
                  .status,
              0);
    const QJsonArray hunts = python(kReadIcs, file("b.ics")).toArray();
    ASSERT_EQ(hunts.size(), 1);
    EXPECT_EQ(hunts.at(0)["summary"].toString(), "Cinghiale, braccata");
    EXPECT_EQ(hunts.at(0)["start"].toString(), "2025-01-30");
    EXPECT_EQ(hunts.at(0)["end"].toString(), "2025-02-02");
    EXPECT_EQ(hunts.at(0)["location"].toString(), "Poggio; alto");
    EXPECT_EQ(hunts.at(0)["description"].toString(), "Tenuta: Poggio; alto\nSquadra: I Lupi");
    EXPECT_EQ(hunts.at(0)["alarms"].toArray(), QJsonArray({"-3 days, 0:00:00"}));
    const QJsonArray deadlines = python(kReadIcs, file("s.ics")).toArray();
    ASSERT_EQ(deadlines.size(), 1);
    EXPECT_EQ(deadlines.at(0)["start"].toString(), "2025-03-15T00:00:00+01:00");
    EXPECT_EQ(deadlines.at(0)["end"].toString(), "2025-03-15T01:00:00+01:00");
    EXPECT_EQ(deadlines.at(0)["tzid"].toString(), "Europe/Rome");
    EXPECT_EQ(deadlines.at(0)["summary"].toString(), "Rinnovo porto");
    EXPECT_TRUE(deadlines.at(0)["description"].toString().contains("Importo: € 12,50"));
    EXPECT_EQ(deadlines.at(0)["alarms"].toArray(), QJsonArray({"-2 days, 0:00:00"}));
    EXPECT_EQ(deadlines.at(0)["uid"].toString(), "scadenzario-2025-1@selvadoro");
    // The same records give the same UIDs on the next export.
    ASSERT_EQ(
        runCommand({"esporta", "battute", "--formato", "ics", "--file", file("c.ics")}).status, 0);
    EXPECT_EQ(python(kReadIcs, file("c.ics"))[0]["uid"], hunts.at(0)["uid"]);
}

// An edited hunt keeps its UID; its SEQUENCE rises and its LAST-MODIFIED
// moves to the export that saw the change, while an unchanged one keeps
// both. Hunts carry their fee, team and notes; summer deadlines are in
// Italian summer time.
TEST_F(ExportFormatsTest, AnEditedEventKeepsItsUidWithAHigherSequence) {
    FixedClock clock;
    seams::setClock(&clock);
    const auto hunt = [](const char* type) {
        return recordWith<TRecBattuta>({{B::TipoBattuta, type},
                                        {B::DataInizio, "30/01/2025"},
                                        {B::Tenuta, "Poggio alto"},
                                        {B::Squadra, "I Lupi"},
                                        {B::Quota, "25,00"},
                                        {B::Note, "Ritrovo al bar"}});
    };
    const QString path = file(TRecBattuta::layout().fileName);
    struct Step {
        const char* type;
        QDateTime now;
        int sequence;
        const char* modified;
    };
    const Step steps[] = {
        {"Cinghiale", QDateTime(QDate(2025, 1, 2), QTime(9, 0), Qt::UTC), 0,
         "2025-01-02T09:00:00+00:00"},
        {"Cinghiale", QDateTime(QDate(2025, 1, 3), QTime(9, 0), Qt::UTC), 0,
         "2025-01-02T09:00:00+00:00"},
        {"Cinghiale, braccata", QDateTime(QDate(2025, 1, 4), QTime(9, 0), Qt::UTC), 1,
         "2025-01-04T09:00:00+00:00"},
        {"Capriolo", QDateTime(QDate(2025, 1, 5), QTime(9, 0), Qt::UTC), 2,
         "2025-01-05T09:00:00+00:00"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.type);
        clock.set(step.now);
        writeRecords<TRecBattuta>(path, {recordWith<TRecBattuta>({}), hunt(step.type)});
        ASSERT_EQ(
            runCommand({"esporta", "battute", "--formato", "ics", "--file", file("b.ics")}).status,
            0);
        const QJsonArray events = python(kReadIcs, file("b.ics")).toArray();
        ASSERT_EQ(events.size(), 1);
        EXPECT_EQ(events.at(0)["uid"].toString(), "battute-2@selvadoro");
        EXPECT_EQ(events.at(0)["summary"].toString(), QString::fromUtf8(step.type));
        EXPECT_EQ(events.at(0)["sequence"].toInt(), step.sequence);
        EXPECT_EQ(events.at(0)["modified"].toString(), QString::fromLatin1(step.modified));
        EXPECT_EQ(
            events.at(0)["stamp"].toString(),
            step.now.toString(Qt::ISODate).replace(QStringLiteral("Z"), QStringLiteral("+00:00")));
        EXPECT_EQ(events.at(0)["description"].toString(),
                  "Tenuta: Poggio alto\nSquadra: I Lupi\nQuota: € 25,00\nNote: Ritrovo al bar");
    }
    writeRecords<TRecScadenza>(file("2025.sca"),
                               {recordWith<TRecScadenza>({{S::Data, "15/07/2025"},
                                                          {S::Ora, "09:30"},
                                                          {S::Oggetto, "Rinnovo porto"},
                                                          {S::Note, "Portare le foto"}})});
    ASSERT_EQ(runCommand({"esporta", "scadenzario", "--anno", "2025", "--formato", "ics", "--file",
                          file("s.ics")})
                  .status,
              0);
    // Without --file, the calendar of a year carries the year in its name.
    ASSERT_EQ(runCommand({"esporta", "scadenzario", "--anno", "2025", "--formato", "ics"}).status,
              0);
    EXPECT_TRUE(QFile::exists(file("Scadenze_e_Appuntamenti_2025.ics")));
    const QJsonArray deadlines = python(kReadIcs, file("s.ics")).toArray();
    ASSERT_EQ(deadlines.size(), 1);
    EXPECT_EQ(deadlines.at(0)["start"].toString(), "2025-07-15T09:30:00+02:00");
    EXPECT_EQ(deadlines.at(0)["end"].toString(), "2025-07-15T10:30:00+02:00");
    EXPECT_TRUE(deadlines.at(0)["description"].toString().endsWith("Note: Portare le foto"));
    seams::setClock(nullptr);
}

// A cell a spreadsheet would take for a formula is written behind a "'",
// and so is one that began with "'"; the import takes it off, so the
// records come back byte for byte.
TEST_F(ExportFormatsTest, CsvGuardsFormulaLikeCellsAndTheImportTakesTheGuardOff) {
    struct Case {
        H::Id field;
        const char* value;
        const char* written;
    };
    const Case cases[] = {
        {H::Note, "=SOMMA(A1:A2)", "'=SOMMA(A1:A2)"},
        {H::TelCasa, "+39 333", "'+39 333"},
        {H::TelCel, "-5", "'-5"},
        {H::Recapito, "@casa", "'@casa"},
        {H::Precedenti, "'virgolette", "''virgolette"},
        {H::Figli, "a=b", "a=b"},
    };
    // A card the import saves: a permit with its dates.
    FieldValues values = recordWith<TRecCacciatore>({{H::Cognome, "Rossi"},
                                                     {H::Nome, "Mario"},
                                                     {H::Decorrenza, "01/01/2022"},
                                                     {H::Scadenza, "01/01/2027"},
                                                     {H::Preavviso, "30"}});
    for (const Case& c : cases) values[FieldId(c.field).index] = QString::fromUtf8(c.value);
    const QString archive = file("Cacciatori.pro");
    writeRecords<TRecCacciatore>(archive, {values});
    QFile stored(archive);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray original = stored.readAll();
    stored.close();
    ASSERT_EQ(
        runCommand({"esporta", "anagrafica", "--formato", "csv", "--file", file("a.csv")}).status,
        0);
    const QJsonArray rows = python(kReadCsv, file("a.csv"))["rows"].toArray();
    ASSERT_EQ(rows.size(), 2);
    for (const Case& c : cases) {
        EXPECT_EQ(rows.at(1)[c.field].toString(), QString::fromUtf8(c.written)) << c.value;
    }
    ASSERT_TRUE(QFile::remove(archive));
    const CommandResult imported = runCommand({"importa", "anagrafica", "--file", file("a.csv")});
    ASSERT_EQ(imported.status, 0) << qPrintable(imported.out) << qPrintable(imported.err);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    // Each guarded field comes back as it was, byte for byte (the import
    // derives the card's other fields as a save does).
    const QByteArray back = stored.readAll();
    ASSERT_EQ(back.size(), original.size());
    const FieldValues read = codec::decode(TRecCacciatore::layout(), back);
    for (const Case& c : cases) {
        EXPECT_EQ(read.at(FieldId(c.field).index), QString::fromUtf8(c.value)) << c.value;
    }
}

}  // namespace
