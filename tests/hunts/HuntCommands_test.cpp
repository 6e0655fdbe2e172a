// The command line over the hunts' archive "Battute.pro": search, export,
// the imminent-hunts summary and the RTF card, compared with what the
// tests build themselves.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/HuntArchive.h"
#include "support/HuntDocument.h"
#include "support/LibreOffice.h"
#include "support/SpreadsheetBytes.h"

namespace {

class HuntCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
    }
    QString archive() const { return dir.filePath(QStringLiteral("Battute.pro")); }
    void store(const QList<TestHunt>& hunts) { ASSERT_TRUE(writeHunts(archive(), hunts)); }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A line of the hunts' lists, with its record number.
    static QString line(int record, const QString& kind, const QString& start, const QString& end,
                        const QString& estate, const QString& team, const QString& fee) {
        return QStringLiteral("%1\t%2  Da: %3  A: %4  ATC: %5  Squadra: %6  € %7\n")
            .arg(record)
            .arg(kind.leftJustified(30), start.leftJustified(10), end.leftJustified(10),
                 estate.leftJustified(30), team.leftJustified(30), fee);
    }

    QTemporaryDir dir;
};

TEST_F(HuntCommands, SearchListsTheHuntsByKindThenStartDateAsText) {
    store({{.kind = "Daini", .start = "01/12/2024", .estate = "PG 1", .team = "Lupi"},
           {.kind = "Cinghiale", .start = "20/11/2024", .estate = "TR 2", .fee = "10,00"},
           {.kind = "Cinghiale",
            .start = "05/12/2024",
            .end = "06/12/2024",
            .estate = "PG 2",
            .leader = "Rossi Mario"}});
    const CommandResult all = runCommand({QStringLiteral("cerca"), QStringLiteral("battute")});
    EXPECT_EQ(all.status, 0) << qPrintable(all.err);
    EXPECT_EQ(all.out,
              line(3, QStringLiteral("Cinghiale"), QStringLiteral("05/12/2024"),
                   QStringLiteral("06/12/2024"), QStringLiteral("PG 2"), QString(), QString()) +
                  line(2, QStringLiteral("Cinghiale"), QStringLiteral("20/11/2024"), QString(),
                       QStringLiteral("TR 2"), QString(), QStringLiteral("10,00")) +
                  line(1, QStringLiteral("Daini"), QStringLiteral("01/12/2024"), QString(),
                       QStringLiteral("PG 1"), QStringLiteral("Lupi"), QString()));

    const CommandResult some =
        runCommand({QStringLiteral("cerca"), QStringLiteral("battute"), QStringLiteral("Tenuta=pg"),
                    QStringLiteral("Caposquadra=ROSSI")});
    EXPECT_EQ(some.status, 0);
    EXPECT_EQ(some.out,
              line(3, QStringLiteral("Cinghiale"), QStringLiteral("05/12/2024"),
                   QStringLiteral("06/12/2024"), QStringLiteral("PG 2"), QString(), QString()));

    const CommandResult notice = runCommand(
        {QStringLiteral("cerca"), QStringLiteral("battute"), QStringLiteral("Preavviso=1")});
    EXPECT_EQ(notice.status, 2);
    EXPECT_TRUE(notice.err.contains(QStringLiteral(
        "Criterio non valido: Preavviso=1 (campi: TipoBattuta, Stagione, DataInizio, DataFine, "
        "Tenuta, Note, Squadra, Caposquadra, Cacciatori, Capi)")))
        << qPrintable(notice.err);
}

// Today 10/11/2024: from the days of notice before the start to the start
// day; a damaged record in the middle is left out and the rest listed.
TEST_F(HuntCommands, TheImminentSummaryTakesTodayFromTheOption) {
    store({{.kind = "Cinghiale", .start = "15/11/2024", .notice = "5"},
           {.kind = "Cinghiale", .start = "15/11/2024", .notice = "4"},
           {.kind = "Cervi", .start = "10/11/2024", .notice = "0"},
           {.kind = "Daini", .start = "", .notice = "5"},
           {.kind = "Cervi", .start = "09/11/2024", .end = "12/11/2024", .notice = "5"},
           {.kind = "Cinghiale", .start = "05/12/2024", .notice = "30"},
           {.kind = "Mufloni", .start = "01/06/2025", .notice = "999"}});
    const CommandResult r =
        runCommand({QStringLiteral("riepilogo"), QStringLiteral("battute-imminenti"),
                    QStringLiteral("--oggi"), QStringLiteral("10/11/2024")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, line(3, QStringLiteral("Cervi"), QStringLiteral("10/11/2024"), QString(),
                          QString(), QString(), QString()) +
                         line(6, QStringLiteral("Cinghiale"), QStringLiteral("05/12/2024"),
                              QString(), QString(), QString(), QString()) +
                         line(1, QStringLiteral("Cinghiale"), QStringLiteral("15/11/2024"),
                              QString(), QString(), QString(), QString()) +
                         line(7, QStringLiteral("Mufloni"), QStringLiteral("01/06/2025"), QString(),
                              QString(), QString(), QString()));

    const CommandResult later =
        runCommand({QStringLiteral("riepilogo"), QStringLiteral("battute-imminenti"),
                    QStringLiteral("--oggi"), QStringLiteral("16/11/2024")});
    EXPECT_EQ(later.status, 0);
    EXPECT_EQ(later.out, line(6, QStringLiteral("Cinghiale"), QStringLiteral("05/12/2024"),
                              QString(), QString(), QString(), QString()) +
                             line(7, QStringLiteral("Mufloni"), QStringLiteral("01/06/2025"),
                                  QString(), QString(), QString(), QString()));
}

const QList<TestHunt> kExported{
    {.kind = " Caccia al cinghiale ",
     .season = "2024/2025",
     .start = "15/11/2024",
     .end = "17/11/2024",
     .notice = "5",
     .estate = "ATC Citt\xE0 <1>",
     .board = "Agriturismo & B&B",
     .transport = "Pullman",
     .team = "I Lupi",
     .leader = "Rossi Mario",
     .fee = "12,50",
     .note = "\x80 a testa",
     .hunters = "Rossi Mario\r\nBianchi Luca",
     .game = "3 cinghiali"},
    {.kind = "Daini", .start = "01/12/2024"},
};

TEST_F(HuntCommands, ExportWritesTheHuntsSpreadsheetByteForByte) {
    store(kExported);
    const QByteArray expected =
        exportHead("Battute di Caccia") + "<tr>" + headerCell("Tipo battuta di caccia", 300) +
        headerCell("Stagione venatoria", 250) + headerCell("Data inizio", 200) +
        headerCell("Data fine", 200) + headerCell("Tenuta A.T.C.", 300) +
        headerCell("Vitto e alloggio", 300) + headerCell("Trasporto", 300) +
        headerCell("Squadra partecipante", 250) + headerCell("Capo squadra", 250) +
        headerCell("Quota partecipazione", 200) + headerCell("Note", 400) + "</tr>" +
        dataRow({"Caccia al cinghiale", "2024/2025", "15/11/2024", "17/11/2024",
                 "ATC Citt\xE0 &lt;1&gt;", "Agriturismo &amp; B&amp;B", "Pullman", "I Lupi",
                 "Rossi Mario", "12,50", "\x80 a testa"}) +
        dataRow({"Daini", "", "01/12/2024", "", "", "", "", "", "", "", ""}) +
        "</table></body></html>";

    expectExportsAsBuilt(dir.path(), "battute", "Battute.xls", 2, expected);
}

// LibreOffice reads the exported file back cell by cell.
TEST_F(HuntCommands, TheExportIsReadBackByLibreOffice) {
    store(kExported);
    ASSERT_EQ(runCommand({QStringLiteral("esporta"), QStringLiteral("battute")}).status, 0);
    QStringList lines;
    for (const QStringList& row :
         spreadsheetRows(dir.filePath(QStringLiteral("Battute.xls")), dir.path())) {
        lines.append(row.join(u';'));
    }
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(0),
              QStringLiteral("Tipo battuta di caccia;Stagione venatoria;Data inizio;Data fine;"
                             "Tenuta A.T.C.;Vitto e alloggio;Trasporto;Squadra partecipante;"
                             "Capo squadra;Quota partecipazione;Note"));
    EXPECT_EQ(lines.at(1), QStringLiteral("Caccia al cinghiale;2024/2025;15/11/2024;17/11/2024;"
                                          "ATC Città <1>;Agriturismo & B&B;Pullman;I Lupi;"
                                          "Rossi Mario;12,50;€ a testa"));
    EXPECT_EQ(lines.at(2), QStringLiteral("Daini;;01/12/2024;;;;;;;;"));
}

// The hunt card's document from the archive: values trimmed and escaped,
// memo lines as \line whatever their break, the days of notice left out,
// an empty last field.
TEST_F(HuntCommands, RtfWritesTheHuntCardDocument) {
    store({{.kind = "Uno"},
           {.kind = "  Caccia {cinghiale}  ",
            .season = "2024\\2025",
            .start = "15/11/2024",
            .end = "17/11/2024",
            .notice = "5",
            .estate = "ATC Citt\xE0 <1>",
            .board = "Agriturismo",
            .transport = "Pullman",
            .team = "I Lupi",
            .leader = "Rossi Mario",
            .fee = "12,50",
            .note = "quota \x80 30 in C:\\cassa\r\n",
            .hunters = "Rossi Mario\r\nBianchi Luca\nVerdi Anna\rNeri Ugo",
            .game = "",
            .file01 = "/home/mappa.pdf"}});
    const QByteArray expected =
        huntDocument({.tipo = "Caccia \\{cinghiale\\}",
                      .stagione = "2024\\\\2025",
                      .inizio = "15/11/2024",
                      .fine = "17/11/2024",
                      .tenuta = "ATC Citt\xE0 <1>",
                      .vitto = "Agriturismo",
                      .trasporto = "Pullman",
                      .squadra = "I Lupi",
                      .caposquadra = "Rossi Mario",
                      .quota = "12,50",
                      .note = "quota \x80 30 in C:\\\\cassa",
                      .cacciatori = "Rossi Mario\\line Bianchi Luca\\line Verdi "
                                    "Anna\\line Neri Ugo",
                      .capi = ""});
    const QString document = dir.filePath(QStringLiteral("Battuta_di_Caccia.rtf"));
    const CommandResult r =
        runCommand({QStringLiteral("rtf"), QStringLiteral("battute"), QStringLiteral("2")});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(read(document), expected);

    const QString other = dir.filePath(QStringLiteral("altra battuta.rtf"));
    const CommandResult elsewhere =
        runCommand({QStringLiteral("rtf"), QStringLiteral("battute"), QStringLiteral("1"),
                    QStringLiteral("--file"), other});
    EXPECT_EQ(elsewhere.status, 0) << qPrintable(elsewhere.err);
    EXPECT_EQ(read(other), huntDocument({.tipo = "Uno"}));
    EXPECT_EQ(read(document), expected);
}

TEST_F(HuntCommands, AMissingArchiveIsReportedAndNotCreated) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("cerca"), QStringLiteral("battute")},
          QStringList{QStringLiteral("esporta"), QStringLiteral("battute")},
          QStringList{QStringLiteral("riepilogo"), QStringLiteral("battute-imminenti")},
          QStringList{QStringLiteral("rtf"), QStringLiteral("battute"), QStringLiteral("1")}}) {
        const CommandResult r = runCommand(args);
        EXPECT_EQ(r.status, 1) << qPrintable(args.join(u' '));
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("Archivio non trovato: ") + archive()))
            << qPrintable(r.err);
        EXPECT_EQ(r.out, QString()) << qPrintable(args.join(u' '));
    }
    EXPECT_FALSE(QFile::exists(archive()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Battute.xls"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Battuta_di_Caccia.rtf"))));
}

TEST_F(HuntCommands, TheUsageNamesTheHuntsArchiveAndItsSummary) {
    const QStringList lines = commandline::usage().split(u'\n');
    // The names listed on the line that starts with `heading`.
    const auto listed = [&](const QString& heading) {
        for (const QString& line : lines) {
            if (line.startsWith(heading))
                return line.mid(heading.size()).split(QStringLiteral(", "));
        }
        return QStringList();
    };
    EXPECT_TRUE(listed(QStringLiteral("Archivi: ")).contains(QStringLiteral("battute")));
    EXPECT_TRUE(
        listed(QStringLiteral("Archivi con documento RTF: ")).contains(QStringLiteral("battute")));
    EXPECT_FALSE(listed(QStringLiteral("Archivi con scheda stampabile: "))
                     .contains(QStringLiteral("battute")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  battute-imminenti") + QString(9, u' ') +
                               QStringLiteral(" Riepilogo battute di caccia imminenti")));
}

}  // namespace
