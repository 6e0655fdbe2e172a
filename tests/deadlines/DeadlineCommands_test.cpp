#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/DeadlineArchive.h"
#include "support/PdfText.h"
#include "support/SpreadsheetBytes.h"
#include "support/WriteFailure.h"

namespace {

// The command line over the yearly files "<anno>.sca".
class DeadlineCommands : public DeadlineYearsTest {
protected:
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static CommandResult run(std::initializer_list<const char*> args) {
        QStringList list;
        for (const char* arg : args) list.append(QString::fromUtf8(arg));
        return runCommand(list);
    }
};

// A deadline with every field its own text.
TestDeadline full(const char* date, const char* time, const QByteArray& reason) {
    TestDeadline d = deadlineOn(date, time, "10");
    d.hunter = "Rossi Mario";
    d.taxCode = "RSSMRA80A01H501U";
    d.phone = "333 1234567";
    d.subject = "Porto <fucile> & licenza";
    d.type = "Rinnovo";
    d.protocol = "12/A";
    d.opened = "01/02/2024";
    d.closed = "";
    d.progress = "In corso";
    d.consultant = "Bianchi";
    d.reason = reason;
    d.payment = "Bonifico";
    d.amount = "12,50";
    d.receipt = "Ric. 5";
    d.note = "Citt\xE0";
    d.toConfirm = "S\xEC";
    d.paid = "No";
    return d;
}

// The list line of a deadline in the search and the summaries.
QString item(int record, const char* reason, const char* date, const char* time, const char* hunter,
             const char* subject, const char* amount) {
    return QStringLiteral("%1\t%2  Data: %3  Ora: %4  %5  %6  € %7\n")
        .arg(record)
        .arg(QString::fromUtf8(reason).leftJustified(32, u' ', true),
             QString::fromUtf8(date).leftJustified(10), QString::fromUtf8(time).leftJustified(5),
             QString::fromUtf8(hunter).leftJustified(30, u' ', true),
             QString::fromUtf8(subject).leftJustified(30, u' ', true), QString::fromUtf8(amount));
}

TEST_F(DeadlineCommands, SearchReadsTheYearOfTheOptionOrOfToday) {
    TestDeadline a = full("07/03/2024", "09:30", "Rinnovo porto");
    TestDeadline b = full("15/03/2024", "10:00", "Quota sociale");
    b.hunter = "Neri Ugo";
    TestDeadline third = full("02/04/2024", "11:00", "rinnovo tessera");
    store("2024", {a, b, third});
    store("2025", {full("01/01/2025", "08:00", "Capodanno")});
    const QString lineA = item(1, "Rinnovo porto", "07/03/2024", "09:30", "Rossi Mario",
                               "Porto <fucile> & licenza", "12,50");
    const QString lineB = item(2, "Quota sociale", "15/03/2024", "10:00", "Neri Ugo",
                               "Porto <fucile> & licenza", "12,50");
    const QString lineC = item(3, "rinnovo tessera", "02/04/2024", "11:00", "Rossi Mario",
                               "Porto <fucile> & licenza", "12,50");
    struct Case {
        CommandResult result;
        QString out;
    } cases[] = {
        {run({"cerca", "scadenzario", "--anno", "2024"}), lineB + lineA + lineC},
        {run({"cerca", "scadenzario", "--oggi", "07/03/2024", "Data=03/2024", "Dettagli=rinnovo"}),
         lineA},
        {run({"cerca", "scadenzario", "--anno", "2024", "Cliente=ROSSI "}), lineA + lineC},
        {run({"cerca", "scadenzario", "--anno", "2024", "--oggi", "01/01/2025", "Cliente=neri"}),
         lineB},
        {run({"cerca", "scadenzario", "--oggi", "31/12/2025"}),
         item(1, "Capodanno", "01/01/2025", "08:00", "Rossi Mario", "Porto <fucile> & licenza",
              "12,50")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.status, 0) << qPrintable(c.result.err);
        EXPECT_EQ(c.result.out, c.out);
    }
}

TEST_F(DeadlineCommands, SummariesListTheirFlagsOfTheYear) {
    TestDeadline paid = full("10/03/2024", "10:00", "Quota");
    paid.paid = "S\xEC";
    paid.toConfirm = "No";
    store("2024", {full("07/03/2024", "09:30", "rinnovo"), paid});
    struct Case {
        const char* summary;
        QString out;
    } cases[] = {
        {"pagamenti-da-effettuare", item(1, "rinnovo", "07/03/2024", "09:30", "Rossi Mario",
                                         "Porto <fucile> & licenza", "12,50")},
        {"pagamenti-effettuati", item(2, "Quota", "10/03/2024", "10:00", "Rossi Mario",
                                      "Porto <fucile> & licenza", "12,50")},
        {"appuntamenti-da-confermare", item(1, "rinnovo", "07/03/2024", "09:30", "Rossi Mario",
                                            "Porto <fucile> & licenza", "12,50")},
    };
    for (const Case& c : cases) {
        const CommandResult r = run({"riepilogo", c.summary, "--anno", "2024"});
        EXPECT_EQ(r.status, 0) << c.summary << qPrintable(r.err);
        EXPECT_EQ(r.out, c.out) << c.summary;
        const CommandResult today = run({"riepilogo", c.summary, "--oggi", "01/06/2024"});
        EXPECT_EQ(today.out, c.out) << c.summary;
    }
}

// The header row of the deadlines' files: 19 columns, and the key for the
// lists.
QByteArray headerRow(bool key) {
    QByteArray row =
        "<tr>" + headerCell("Data scadenza", 150) + headerCell("Ora appuntamento", 150) +
        headerCell("Cacciatore", 250) + headerCell("Codice fiscale", 200) +
        headerCell("Telefono preferenziale", 200) + headerCell("Oggetto pratica", 300) +
        headerCell("Tipologia", 250) + headerCell("Protocollo n.", 250) +
        headerCell("Data apertura", 150) + headerCell("Data chiusura", 150) +
        headerCell("Stato avanzamento", 250) + headerCell("Consulente o curatore", 250) +
        headerCell("Causale scadenza", 300) + headerCell("Modalit\xE0 di pagamento", 300) +
        headerCell("Importo in euro", 200) + headerCell("Estremi ricevuta", 250) +
        headerCell("Appuntamento da confermare", 250) + headerCell("Pagamento effettuato", 250) +
        headerCell("Note", 300);
    if (key) row += headerCell("Codice univoco", 150);
    return row + "</tr>";
}

// The cells of full(date, time, reason), as exported.
QByteArray fullCells(const QByteArray& date, const QByteArray& time, const QByteArray& reason) {
    return dataCell(date) + dataCell(time) + dataCell("Rossi Mario") +
           dataCell("RSSMRA80A01H501U") + dataCell("333 1234567") +
           dataCell("Porto &lt;fucile&gt; &amp; licenza") + dataCell("Rinnovo") + dataCell("12/A") +
           dataCell("01/02/2024") + dataCell("") + dataCell("In corso") + dataCell("Bianchi") +
           dataCell(reason) + dataCell("Bonifico") + dataCell("12,50") + dataCell("Ric. 5") +
           dataCell("S\xEC") + dataCell("No") + dataCell("Citt\xE0");
}

// The yearly export in file order, 19 columns, built here byte by byte.
TEST_F(DeadlineCommands, ExportWritesTheYearInFileOrder) {
    store("2024", {full("15/03/2024", "10:00", "Quota"), full("07/03/2024", "09:30", "Rinnovo"),
                   full("02/01/2024", "08:00", "Bollo")});
    const QString xls = dir.filePath(QStringLiteral("Scadenze_e_Appuntamenti.xls"));
    const QByteArray expected = exportHead("Scadenze e appuntamenti") + headerRow(false) + "<tr>" +
                                fullCells("15/03/2024", "10:00", "Quota") + "</tr><tr>" +
                                fullCells("07/03/2024", "09:30", "Rinnovo") + "</tr><tr>" +
                                fullCells("02/01/2024", "08:00", "Bollo") + "</tr>" +
                                "</table></body></html>";
    const CommandResult r = run({"esporta", "scadenzario", "--anno", "2024"});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("Esportate 3 schede in %1\n").arg(xls));
    EXPECT_EQ(read(xls), expected);

    const QString other = dir.filePath(QStringLiteral("anno.xls"));
    const CommandResult elsewhere = runCommand(
        {QStringLiteral("esporta"), QStringLiteral("scadenzario"), QStringLiteral("--oggi"),
         QStringLiteral("31/12/2024"), QStringLiteral("--file"), other});
    EXPECT_EQ(elsewhere.status, 0) << qPrintable(elsewhere.err);
    EXPECT_EQ(read(other), expected);
}

// A day of three deadlines entered out of order: the rows in time order,
// N. in reading order, the 21 cells joined by tabs; the file has the 20
// exported columns, the key last.
TEST_F(DeadlineCommands, TheDayListPrintsItsRowsAndWritesItsFile) {
    store("2024", {full("07/03/2024", "15:00", "Pomeriggio"), full("08/03/2024", "08:00", "Dopo"),
                   full("07/03/2024", "09:30", "Mattina"), full("07/03/2024", "12:00", "Pranzo")});
    const auto row = [](int number, const char* time, const char* reason, const char* key) {
        return QStringLiteral(
                   "%1\t07/03/2024\t%2\tRossi Mario\tRSSMRA80A01H501U\t333 1234567\tPorto <fucile> "
                   "& "
                   "licenza\tRinnovo\t12/A\t01/02/2024\t\tIn "
                   "corso\tBianchi\t%3\tBonifico\t12,50\tRic. "
                   "5\tSì\tNo\tCittà\t%4\n")
            .arg(number)
            .arg(QLatin1String(time), QLatin1String(reason), QLatin1String(key));
    };
    const QString xls = dir.filePath(QStringLiteral("giorno.xls"));
    const CommandResult r = runCommand(
        {QStringLiteral("riepilogo"), QStringLiteral("scadenze-giorno"), QStringLiteral("--data"),
         QStringLiteral("07/03/2024"), QStringLiteral("--file"), xls});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, row(2, "09:30", "Mattina", "03070930") +
                         row(3, "12:00", "Pranzo", "03071200") +
                         row(1, "15:00", "Pomeriggio", "03071500"));
    EXPECT_EQ(read(xls), exportHead("Scadenze del giorno") + headerRow(true) + "<tr>" +
                             fullCells("07/03/2024", "09:30", "Mattina") + dataCell("03070930") +
                             "</tr><tr>" + fullCells("07/03/2024", "12:00", "Pranzo") +
                             dataCell("03071200") + "</tr><tr>" +
                             fullCells("07/03/2024", "15:00", "Pomeriggio") + dataCell("03071500") +
                             "</tr></table></body></html>");
    // Without --file no spreadsheet is written; the date defaults to today.
    const CommandResult today = run({"riepilogo", "scadenze-giorno", "--oggi", "07/03/2024"});
    EXPECT_EQ(today.out, r.out);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Scadenze_Giornaliere.xls"))));
}

TEST_F(DeadlineCommands, TheMonthAndImminentListsTakeTheirDates) {
    store("2024", {full("31/03/2024", "08:00", "Fine marzo"), full("30/12/2024", "08:00", "Oggi"),
                   full("01/03/2024", "08:00", "Inizio marzo")});
    store("2025", {full("05/01/2025", "09:00", "Gennaio")});
    const auto reasons = [](const CommandResult& r) {
        QStringList list;
        for (const QString& line : r.out.split(u'\n', Qt::SkipEmptyParts)) {
            list.append(line.section(u'\t', 0, 0) + u' ' + line.section(u'\t', 13, 13));
        }
        return list;
    };
    EXPECT_EQ(reasons(run({"riepilogo", "scadenze-mese", "--data", "15/03/2024"})),
              (QStringList{"2 Inizio marzo", "1 Fine marzo"}));
    EXPECT_EQ(reasons(run({"riepilogo", "scadenze-mese", "--oggi", "15/03/2024"})),
              (QStringList{"2 Inizio marzo", "1 Fine marzo"}));
    EXPECT_EQ(reasons(run({"riepilogo", "scadenze-imminenti", "--oggi", "30/12/2024"})),
              (QStringList{"1 Oggi", "2 Gennaio"}));
}

TEST_F(DeadlineCommands, StampaPrintsTheStoredCardOfTheYear) {
    TestDeadline d = full("07/03/2024", "09:30", "Rinnovo");
    store("2024", {full("01/01/2024", "08:00", "Primo"), d});
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    const CommandResult r =
        runCommand({QStringLiteral("stampa"), QStringLiteral("scadenzario"), QStringLiteral("2"),
                    QStringLiteral("--anno"), QStringLiteral("2024"), QStringLiteral("--oggi"),
                    QStringLiteral("10/04/2024"), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    const QString text = squeezeBlanks(pdfText(pdf));
    EXPECT_TRUE(text.contains(QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO")))
        << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Data scadenza: 07 Marzo 2024"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Causale scadenza: Rinnovo"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Stampa eseguita in data 10/04/2024 alle ore")))
        << qPrintable(text);
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

TEST_F(DeadlineCommands, MistakesAreUsageErrorsAndAMissingYearIsAMissingArchive) {
    store("2024", {full("07/03/2024", "09:30", "Rinnovo")});
    struct Case {
        QStringList args;
        int status;
        const char* message;
    } cases[] = {
        {{"cerca", "scadenzario", "--anno", "24"}, 2, "Anno non valido (quattro cifre): 24"},
        {{"cerca", "scadenzario", "--anno", "../x"}, 2, "Anno non valido (quattro cifre): ../x"},
        {{"esporta", "scadenzario", "--anno", "20245"}, 2, "Anno non valido"},
        {{"riepilogo", "pagamenti-effettuati", "--anno", QStringLiteral("２０２４")},
         2,
         "Anno non valido"},
        {{"stampa", "scadenzario", "1", "--anno", "2o24", "--pdf", "x.pdf"}, 2, "Anno non valido"},
        {{"cerca", "scadenzario", "--anno"}, 2, "--anno vuole un anno"},
        {{"cerca", "scadenzario", "--anno", "2024", "--anno", "2024"}, 2, "--anno vuole un anno"},
        {{"cerca", "scadenzario", "--oggi", "29/02/2023"}, 2, "Data non valida: 29/02/2023"},
        {{"riepilogo", "scadenze-giorno", "--data", "31/04/2024"},
         2,
         "Data non valida: 31/04/2024"},
        {{"riepilogo", "scadenze-imminenti", "--data", "07/03/2024"}, 2, "Opzioni non valide"},
        {{"riepilogo", "scadenze-giorno", "--oggi"}, 2, "--oggi vuole una data"},
        {{"stampa", "anagrafica", "1", "--anno", "2024", "--pdf", "x.pdf"},
         2,
         "Opzione sconosciuta: --anno"},
        {{"cerca", "scadenzario", "--anno", "2023"}, 1, "Archivio non trovato: "},
        {{"riepilogo", "scadenze-giorno", "--data", "07/03/2023"}, 1, "Archivio non trovato: "},
        {{"riepilogo", "scadenze-imminenti", "--oggi", "07/03/2023"}, 1, "Archivio non trovato: "},
        {{"stampa", "scadenzario", "1", "--anno", "2023", "--pdf", "x.pdf"},
         1,
         "Archivio non trovato: "},
    };
    for (const Case& c : cases) {
        const CommandResult r = runCommand(c.args);
        const QString args = c.args.join(u' ');
        EXPECT_EQ(r.status, c.status) << qPrintable(args);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message)))
            << qPrintable(args) << qPrintable(r.err);
        EXPECT_TRUE(r.out.isEmpty()) << qPrintable(args);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"2024.sca"});
}

// A year that cannot be read: what the other files gave is printed, then
// the message, and the command fails.
TEST_F(DeadlineCommands, AnUnreadableYearPrintsWhatWasReadThenFails) {
    store("2024", {full("30/12/2024", "08:00", "Oggi")});
    store("2025", {full("05/01/2025", "09:00", "Gennaio")});
    QFile::setPermissions(year("2025"), QFile::ReadOwner);
    const WriteFailure readOnly(WriteFailure::Kind::ReadOnlyFolder, dir.path());
    if (!readOnly.possible()) GTEST_SKIP() << "permissions cannot be taken away here";
    const CommandResult r =
        run({"riepilogo", "scadenze-imminenti", "--oggi", "30/12/2024", "--file", "imminenti.xls"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("1\t30/12/2024\t08:00\t"))) << qPrintable(r.out);
    EXPECT_EQ(r.out.count(u'\n'), 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Impossibile leggere l'archivio")))
        << qPrintable(r.err);
    EXPECT_FALSE(QFile::exists(QStringLiteral("imminenti.xls")));
    const CommandResult summary = run({"riepilogo", "pagamenti-da-effettuare", "--anno", "2025"});
    EXPECT_EQ(summary.status, 1);
    EXPECT_TRUE(summary.err.contains(QStringLiteral("Impossibile leggere l'archivio")));
}

TEST_F(DeadlineCommands, TheUsageNamesTheYearlyArchiveAndItsLists) {
    const QString usage = commandline::usage();
    for (const char* text :
         {"Archivi annuali (--anno): scadenzario", "pagamenti-da-effettuare",
          "pagamenti-effettuati", "appuntamenti-da-confermare", "scadenze-giorno", "scadenze-mese",
          "scadenze-imminenti", "Scadenze del giorno (--data)", "--oggi gg/mm/aaaa"}) {
        EXPECT_TRUE(usage.contains(QString::fromUtf8(text))) << text;
    }
}

}  // namespace
