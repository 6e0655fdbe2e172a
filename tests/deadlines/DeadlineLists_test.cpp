#include "deadlines/DeadlineLists.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "hunters/TRecCacciatore.h"
#include "lists/RecordList.h"
#include "support/DeadlineArchive.h"
#include "support/SearchChecks.h"

namespace {

// A deadline of 2024 with a reason, a hunter and an amount.
TestDeadline deadline(const char* date, const char* time, const QByteArray& reason,
                      const QByteArray& hunter = "Rossi Mario") {
    TestDeadline d = deadlineOn(date, time, "10");
    d.reason = reason;
    d.hunter = hunter;
    d.subject = "Porto di fucile";
    d.amount = "12,50";
    return d;
}

// The line of a deadline in the search and the summaries.
QString item(const QString& reason, const QString& date, const QString& time, const QString& hunter,
             const QString& subject, const QString& amount) {
    return reason.leftJustified(32, u' ', true) + QStringLiteral("  Data: ") +
           date.leftJustified(10, u' ', true) + QStringLiteral("  Ora: ") +
           time.leftJustified(5, u' ', true) + QStringLiteral("  ") +
           hunter.leftJustified(30, u' ', true) + QStringLiteral("  ") +
           subject.leftJustified(30, u' ', true) + QStringLiteral("  € ") + amount;
}

class DeadlineListsTest : public DeadlineYearsTest {
protected:
    // The reasons of a list, as its lines begin.
    static QStringList reasons(const ListResult& result) {
        QStringList list;
        for (const ListLine& line : result.lines) list.append(line.text.left(32).trimmed());
        return list;
    }
    // A grid's rows: each row's N. and its date, time and reason.
    static QStringList rowsOf(const GridRows& rows) {
        QStringList list;
        for (qsizetype r = 0; r < rows.rows.size(); ++r) {
            const QStringList& row = rows.rows.at(r);
            list.append(QStringLiteral("%1 %2 %3 %4")
                            .arg(rows.numbers.at(r))
                            .arg(row.at(0), row.at(1), row.at(12)));
        }
        return list;
    }
    static GridRows listOn(const ExportDefinition& list, const QDate& date) {
        return list.read(list.files(date), date);
    }
};

TEST_F(DeadlineListsTest, TheSearchHasItsTenCriteriaCountLineAndCard) {
    const SearchDefinition& s = deadlines::search();
    EXPECT_STREQ(s.windowName, "TfrmTrovaScadenzario");
    EXPECT_EQ(s.caption, QStringLiteral(" Trova scadenze e pagamenti in archivio"));
    EXPECT_EQ(s.printTitle, QStringLiteral("Riepilogo scadenze e pagamenti"));
    expectCriteria(s, {
                          {"txtData", "Data scadenza (gg/mm/aaaa):", "Data"},
                          {"txtOra", "Ora appuntamento (hh:mm):", "Ora"},
                          {"txtCliente", "Cacciatore:", "Cliente"},
                          {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                          {"txtOggetto", "Oggetto pratica:", "Oggetto"},
                          {"txtProtocollo", "Protocollo n.", "Protocollo"},
                          {"txtStato", "Stato avanzamento:", "Stato"},
                          {"txtConsulente", "Consulente o curatore:", "Consulente"},
                          {"txtDettagli", "Causale scadenza:", "Dettagli"},
                          {"txtNote", "Note:", "Note"},
                      });
    expectLoadsCard(s, "Scadenzario", "TfrmScadenzario");
    EXPECT_EQ(s.countLine(0), QStringLiteral("Il presente elenco contiene 0 schede."));
    EXPECT_EQ(s.countLine(12), QStringLiteral("Il presente elenco contiene 12 schede."));
    EXPECT_EQ(s.style.folding, CaseFolding::AtoZ);
}

// Criteria are found as typed, blanks included, lowering only A to Z: an
// accented capital is compared as it is.
TEST_F(DeadlineListsTest, SearchFindsEveryCriterionTogetherLoweringOnlyAToZ) {
    TestDeadline a = deadline("07/03/2024", "09:30", "Rinnovo porto", "Rossi Mario");
    a.note = "CITT\xC0 di Castello";
    TestDeadline b = deadline("15/03/2024", "10:00", "Quota sociale", "Bianchi Anna");
    b.note = "citt\xE0 vecchia";
    TestDeadline d = deadline("02/04/2024", "11:00", "rinnovo tessera", "Rossini Ugo");
    d.note = "CITT\xE0";
    store("2024", {a, b, d});
    const auto only = [](int criterion, const char* text) {
        QStringList texts(10);
        texts[criterion] = QString::fromUtf8(text);
        return texts;
    };
    struct Case {
        QStringList criteria;
        QStringList found;
    } cases[] = {
        {{}, {"Quota sociale", "Rinnovo porto", "rinnovo tessera"}},
        {only(2, "ROSSI"), {"Rinnovo porto", "rinnovo tessera"}},
        {only(2, "rossi "), {"Rinnovo porto"}},  // the trailing blank is searched too
        {only(2, "mario "), {}},
        {only(2, "rossi mario"), {"Rinnovo porto"}},
        {only(0, "03/2024"), {"Quota sociale", "Rinnovo porto"}},
        {{"03/2024", "", "", "", "", "", "", "", "rinnovo", ""}, {"Rinnovo porto"}},
        {only(8, "   "), {"Quota sociale", "Rinnovo porto", "rinnovo tessera"}},
        {only(9, "citt\xC3\xA0"), {"Quota sociale", "rinnovo tessera"}},  // not "CITTÀ"
        {only(9, "CITT\xC3\x80"), {"Rinnovo porto"}},
        {only(1, "10:00"), {"Quota sociale"}},
    };
    for (const Case& c : cases) {
        const ListResult result = deadlines::search().run(year("2024"), c.criteria);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(reasons(result), c.found) << qPrintable(c.criteria.join(u'|'));
    }
}

TEST_F(DeadlineListsTest, ALineShowsReasonDateTimeHunterSubjectCutAndTheAmount) {
    TestDeadline d = deadline("07/03/2024", "09:30", QByteArray(40, 'R'), QByteArray(35, 'H'));
    d.subject = QByteArray(33, 'S');
    d.amount = "1234,5678";
    TestDeadline e = deadline("08/03/2024", "10:00", " Quota ", "Neri");
    e.subject = "";
    e.amount = "0,00";
    store("2024", {d, e});
    QStringList texts;
    for (const ListLine& line : deadlines::search().run(year("2024"), {}).lines) {
        texts.append(line.text);
    }
    EXPECT_EQ(
        texts,
        (QStringList{
            item(QStringLiteral("Quota"), QStringLiteral("08/03/2024"), QStringLiteral("10:00"),
                 QStringLiteral("Neri"), QString(), QStringLiteral("0,00")),
            item(QString(40, u'R'), QStringLiteral("07/03/2024"), QStringLiteral("09:30"),
                 QString(35, u'H'), QString(33, u'S'), QStringLiteral("1234,5678")),
        }));
}

// The three summaries of the year: their flag compared trimmed and exactly,
// the lines sorted lowering only A to Z ("Quota" before "rinnovo").
TEST_F(DeadlineListsTest, TheSummariesListTheirFlagAndSortTheLines) {
    const auto flagged = [](const char* reason, const QByteArray& paid,
                            const QByteArray& toConfirm) {
        TestDeadline d = deadline("07/03/2024", "09:30", reason);
        d.paid = paid;
        d.toConfirm = toConfirm;
        return d;
    };
    store("2024", {flagged("rinnovo", "No", "S\xEC"), flagged("Quota", "S\xEC", "S\xEC"),
                   flagged("Visita", "No", "No"), flagged("Bollo", "no", "s\xEC"),
                   flagged("Tassa", "", ""), flagged("Assicurazione", "S\xEC", "No")});
    struct Case {
        const SummaryDefinition& summary;
        const char* window;
        const char* command;
        const char* caption;
        QStringList listed;
    } cases[] = {
        {deadlines::paymentsToMake(),
         "TfrmConfermati",
         "pagamenti-da-effettuare",
         "Riepilogo pagamenti da effettuare",
         {"rinnovo", "Visita"}},
        {deadlines::paymentsMade(),
         "TfrmNonConfermati",
         "pagamenti-effettuati",
         "Riepilogo pagamenti effettuati",
         {"Assicurazione", "Quota"}},
        {deadlines::appointmentsToConfirm(),
         "TfrmDaConfermare",
         "appuntamenti-da-confermare",
         "Riepilogo appuntamenti da confermare",
         {"Quota", "rinnovo"}},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.summary.windowName, c.window);
        EXPECT_STREQ(c.summary.commandName, c.command);
        EXPECT_EQ(c.summary.caption, u' ' + QString::fromUtf8(c.caption));
        EXPECT_EQ(c.summary.printTitle, QString::fromUtf8(c.caption));
        EXPECT_STREQ(c.summary.cardWindow, "TfrmScadenzario");
        EXPECT_EQ(c.summary.style.windowSize, QSize(862, 560));
        const ListResult result = c.summary.build(year("2024"), QDate(2024, 3, 7));
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(reasons(result), c.listed) << c.window;
    }
}

// Find-in-list lowers only A to Z: "città" finds "CITTà" but not "CITTÀ".
TEST_F(DeadlineListsTest, FindInTheListLowersOnlyAToZ) {
    const QList<ListLine> lines{{1, QStringLiteral("CITTÀ di Castello")},
                                {2, QStringLiteral("Rossi")},
                                {3, QStringLiteral("CITTà vecchia")}};
    QString memory;
    EXPECT_EQ(findInList(lines, -1, QStringLiteral("città"), memory, CaseFolding::AtoZ), 2);
    memory.clear();
    EXPECT_EQ(findInList(lines, -1, QStringLiteral("città"), memory, CaseFolding::AllLetters), 0);
}

// Two deadlines of one day entered 15:00 first, then 09:30; an identical
// deadline entered twice (equal keys keep their reading order); a date
// that is no date; bytes of an incomplete record at the end. N. counts the
// rows taken, in reading order.
TEST_F(DeadlineListsTest, TheDayListIsInTimeOrderWithNumbersInReadingOrder) {
    TestDeadline other = deadline("08/03/2024", "08:00", "Altro giorno");
    TestDeadline same = deadline("07/03/2024", "11:00", "Doppia");
    TestDeadline noNotice = deadline("07/03/2024", "12:00", "Senza avviso");
    noNotice.notice = "x";  // no matter to the day list
    TestDeadline noDate = deadline("07/03/2024", "13:00", "Data illeggibile");
    noDate.date = "7-3-2024";
    QByteArray bytes = deadlineFile({deadline("07/03/2024", "15:00", "Pomeriggio"),
                                     deadline("07/03/2024", "09:30", "Mattina"), other, same,
                                     noDate, same, noNotice});
    bytes += QByteArray(100, 'x');  // stray bytes: no record
    QFile file(year("2024"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const GridRows rows = listOn(deadlines::dayList(), QDate(2024, 3, 7));
    EXPECT_TRUE(rows.ok);
    EXPECT_EQ(rowsOf(rows),
              (QStringList{"2 07/03/2024 09:30 Mattina", "3 07/03/2024 11:00 Doppia",
                           "4 07/03/2024 11:00 Doppia", "5 07/03/2024 12:00 Senza avviso",
                           "1 07/03/2024 15:00 Pomeriggio"}));
    EXPECT_EQ(rows.rows.first().size(), 20);
    EXPECT_EQ(rows.rows.first().last(), QStringLiteral("03070930"));  // the key, last
}

TEST_F(DeadlineListsTest, TheDayListOfAYearWithoutFileCreatesItEmpty) {
    const GridRows rows = listOn(deadlines::dayList(), QDate(2023, 5, 2));
    EXPECT_TRUE(rows.ok);
    EXPECT_TRUE(rows.rows.isEmpty());
    EXPECT_TRUE(QFile::exists(year("2023")));
    EXPECT_EQ(QFileInfo(year("2023")).size(), 0);
}

// The month picked (any letter case) and the year of the file's records:
// 1 to 31 March in date-and-time order.
TEST_F(DeadlineListsTest, TheMonthListTakesTheMonthPickedInDateAndTimeOrder) {
    TestDeadline lower = deadline("01/03/2024", "10:00", "Primo");
    lower.month = "marzo";
    TestDeadline otherYear = deadline("05/03/2024", "10:00", "Altro anno");
    otherYear.year = "2023";
    store("2024",
          {deadline("31/03/2024", "08:00", "Ultimo"), deadline("15/04/2024", "08:00", "Aprile"),
           lower, otherYear, deadline("10/03/2024", "00:00", "Mezzo")});
    const GridRows rows = listOn(deadlines::monthList(), QDate(2024, 3, 20));
    EXPECT_EQ(rowsOf(rows), (QStringList{"2 01/03/2024 10:00 Primo", "3 10/03/2024 00:00 Mezzo",
                                         "1 31/03/2024 08:00 Ultimo"}));
}

// This year's deadlines, then next year's, each in date order; N. counts on
// from one file to the next; damaged records are skipped and the rows are
// sorted all the same.
TEST_F(DeadlineListsTest, TheImminentListReadsTheYearsANoticeReachesAndSkipsDamagedRecords) {
    TestDeadline noDate = deadline("30/12/2024", "07:00", "Senza data");
    noDate.date = "30-12-2024";
    TestDeadline noNumber = deadline("30/12/2024", "07:00", "Senza numero");
    noNumber.notice = "1x";
    TestDeadline today = deadline("30/12/2024", "18:00", "Oggi");
    today.notice = "0";
    TestDeadline yesterday = deadline("29/12/2024", "18:00", "Ieri");
    yesterday.notice = "999";
    store("2024", {deadline("31/12/2024", "09:00", "Domani"), noDate, noNumber, today, yesterday,
                   deadline("30/12/2024", "08:00", "Stamattina")});
    TestDeadline far = deadline("05/01/2025", "09:00", "Lontana");
    far.notice = "5";
    store("2025", {deadline("05/01/2025", "09:00", "Gennaio"), far,
                   deadline("02/01/2025", "09:00", "Capodanno")});
    const GridRows rows = listOn(deadlines::imminentList(), QDate(2024, 12, 30));
    EXPECT_TRUE(rows.ok);
    EXPECT_EQ(rowsOf(rows),
              (QStringList{"3 30/12/2024 08:00 Stamattina", "2 30/12/2024 18:00 Oggi",
                           "1 31/12/2024 09:00 Domani", "5 02/01/2025 09:00 Capodanno",
                           "4 05/01/2025 09:00 Gennaio"}));
}

// A file that cannot be read: the others' rows stay, sorted, and the list
// says it is not whole.
TEST_F(DeadlineListsTest, AnUnreadableYearLeavesTheOthersRowsSorted) {
    store("2025",
          {deadline("05/01/2025", "10:00", "Dopo"), deadline("02/01/2025", "10:00", "Prima")});
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("2024.sca")));
    const GridRows rows = listOn(deadlines::imminentList(), QDate(2024, 12, 30));
    EXPECT_FALSE(rows.ok);
    EXPECT_FALSE(rows.error.isEmpty());
    EXPECT_EQ(rowsOf(rows), (QStringList{"2 02/01/2025 10:00 Prima", "1 05/01/2025 10:00 Dopo"}));
}

TEST_F(DeadlineListsTest, TheListsHaveTheirWindowsFilesAndColumns) {
    struct Case {
        const ExportDefinition& list;
        const char* window;
        const char* caption;
        const char* file;
        const char* sheet;
        const char* command;
        bool chosenDate;
    } cases[] = {
        {deadlines::dayList(), "TfrmExpGiornaliere", " Scadenze del giorno",
         "Scadenze_Giornaliere.xls", "Scadenze del giorno", "scadenze-giorno", true},
        {deadlines::monthList(), "TfrmExpMensili", " Scadenze del mese", "Scadenze_Mensili.xls",
         "Scadenze del mese", "scadenze-mese", true},
        {deadlines::imminentList(), "TfrmExpImminenti", " Scadenze imminenti",
         "Scadenze_Imminenti.xls", "Scadenze imminenti", "scadenze-imminenti", false},
    };
    struct Column {
        const char* name;
        const char* header;
        int grid;
        int file;
    } columns[] = {
        {"colData", "Data scadenza", 150, 150},
        {"colOraApp", "Ora appuntamento", 150, 150},
        {"colCliente", "Cacciatore", 250, 250},
        {"colCodFisc", "Codice fiscale", 180, 200},
        {"colRecapito", "Telefono preferenziale", 200, 200},
        {"colOggetto", "Oggetto pratica", 300, 300},
        {"colTipologia", "Tipologia", 250, 250},
        {"colProtocollo", "Protocollo n.", 250, 250},
        {"colApertura", "Data apertura", 150, 150},
        {"colChiusura", "Data chiusura", 150, 150},
        {"colStato", "Stato avanzamento", 250, 250},
        {"colConsulente", "Consulente o curatore", 250, 250},
        {"colDettagli", "Causale scadenza", 300, 300},
        {"colOfficina", "Modalità di pagamento", 300, 300},
        {"colCosto", "Importo in euro", 180, 200},
        {"colContatto", "Estremi ricevuta", 250, 250},
        {"colDaConfermare", "Appuntamento da confermare", 200, 250},
        {"colEffettuata", "Pagamento effettuato", 200, 250},
        {"colNote", "Note", 300, 300},
        {"colCodice", "Codice univoco", 150, 150},
    };
    const auto expectColumns = [&](const ExportDefinition& e, qsizetype count) {
        ASSERT_EQ(e.columns.size(), count) << e.windowName;
        for (qsizetype i = 0; i < count; ++i) {
            EXPECT_STREQ(e.columns.at(i).name, columns[i].name);
            EXPECT_EQ(e.columns.at(i).header, QString::fromUtf8(columns[i].header));
            EXPECT_EQ(e.columns.at(i).gridWidth, columns[i].grid) << columns[i].name;
            EXPECT_EQ(e.columns.at(i).exportWidth, columns[i].file) << columns[i].name;
        }
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.list.windowName, c.window);
        EXPECT_EQ(c.list.caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(c.list.fileName, QString::fromLatin1(c.file));
        EXPECT_EQ(c.list.sheetName, QString::fromLatin1(c.sheet));
        EXPECT_STREQ(c.list.commandName, c.command);
        EXPECT_EQ(c.list.chosenDate, c.chosenDate);
        EXPECT_EQ(c.list.windowSize, QSize(862, 560));
        EXPECT_EQ(c.list.sortColumn, 19);
        expectColumns(c.list, 20);
    }
    const ExportDefinition& yearly = deadlines::exporter();
    EXPECT_STREQ(yearly.windowName, "TfrmExpScadenzario");
    EXPECT_EQ(yearly.caption, QStringLiteral(" Esporta archivio scadenze e pagamenti"));
    EXPECT_EQ(yearly.fileName, QStringLiteral("Scadenze_e_Appuntamenti.xls"));
    EXPECT_EQ(yearly.sheetName, QStringLiteral("Scadenze e appuntamenti"));
    EXPECT_EQ(yearly.sortColumn, -1);
    EXPECT_FALSE(yearly.selection);
    expectColumns(yearly, 19);
}

TEST_F(DeadlineListsTest, TheHunterPickerFillsHunterTaxCodeAndTelephone) {
    const PickerMode& mode = deadlines::hunterPicker();
    EXPECT_STREQ(mode.tag, "scadenzario");
    EXPECT_STREQ(mode.window, "TfrmScadenzario");
    EXPECT_FALSE(mode.loadsRecord);
    FieldValues hunter(TRecCacciatore::Field::Count);
    hunter[TRecCacciatore::Field::Cognome] = QStringLiteral(" Rossi ");
    hunter[TRecCacciatore::Field::Nome] = QStringLiteral("Mario ");
    hunter[TRecCacciatore::Field::CodFisc] = QStringLiteral("RSSMRA80A01H501U ");
    hunter[TRecCacciatore::Field::Recapito] = QStringLiteral(" 333 1234567");
    hunter[TRecCacciatore::Field::TelCasa] = QStringLiteral("075 123");
    QStringList controls, values;
    for (const PickerMode::Assignment& a : mode.assignments) {
        controls.append(QString::fromLatin1(a.control));
        values.append(a.value(hunter));
    }
    EXPECT_EQ(controls, (QStringList{"txtCliente", "txtCodFisc", "txtRecapito"}));
    EXPECT_EQ(values, (QStringList{"Rossi Mario", "RSSMRA80A01H501U", "333 1234567"}));
}

}  // namespace
