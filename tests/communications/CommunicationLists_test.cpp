#include "communications/CommunicationLists.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "lists/RecordList.h"
#include "lists/Spreadsheet.h"
#include "support/CommunicationArchive.h"
#include "support/SearchChecks.h"

namespace {

class CommunicationListsTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Comunicazioni.pro")); }
    // The subjects of a list, as its lines begin.
    static QStringList subjects(const ListResult& result) {
        QStringList list;
        for (const ListLine& line : result.lines) list.append(line.text.left(45).trimmed());
        return list;
    }
    ListResult search(const QStringList& texts) const {
        return communications::search().run(path(), texts);
    }
    QTemporaryDir dir;
};

const QList<TestCommunication> kThree{
    {.subject = "Battuta annullata",
     .author = "Rossi Mario",
     .team = "Alfa",
     .leader = "Bianchi Luca",
     .date = "07/03/2024",
     .note = "urgente",
     .hunters = "Luca Bianchi\r\nMario Rossi",
     .emails = "luca@bianchi.it,mario@rossi.it",
     .message = "La battuta di domenica\r\n\xE8 annullata.",
     .reply = "tutti avvisati",
     .flag = "S\xEC"},
    {.subject = "Battuta rinviata",
     .author = "Verdi Ugo",
     .team = "Beta",
     .leader = "Neri Ada",
     .date = "12/11/2023",
     .note = "",
     .hunters = "Anna Verdi",
     .emails = "anna@verdi.it",
     .message = "Rinvio a sabato",
     .reply = "",
     .flag = "No"},
    {.subject = "Assemblea", .author = "Conti Ivo", .team = "Gamma", .date = "01/02/2024"},
};

TEST_F(CommunicationListsTest, SearchFindsPartialKeysIgnoringCaseInEveryCriterion) {
    ASSERT_TRUE(writeCommunications(path(), kThree));
    // The criteria in the window's order: Oggetto, Autore, Squadra,
    // Caposquadra, Cacciatori, Email, Messaggio, DataInvio, Riscontro, Note.
    const auto only = [](int criterion, const char* text) {
        QStringList texts(10);
        texts[criterion] = QString::fromUtf8(text);
        return texts;
    };
    struct Case {
        QStringList criteria;
        QStringList found;
    } cases[] = {
        {{}, {"Assemblea", "Battuta annullata", "Battuta rinviata"}},
        {only(0, "BATTUTA"), {"Battuta annullata", "Battuta rinviata"}},
        {only(1, "verdi"), {"Battuta rinviata"}},
        {only(2, "gam"), {"Assemblea"}},
        {only(3, "bianchi"), {"Battuta annullata"}},
        {only(4, "mario rossi"), {"Battuta annullata"}},
        {only(5, "@VERDI"), {"Battuta rinviata"}},
        {only(6, "\xC3\x88 annullata"), {"Battuta annullata"}},  // "È": case folded
        {only(7, "/2024"), {"Assemblea", "Battuta annullata"}},
        {only(8, "avvisati"), {"Battuta annullata"}},
        {only(9, "URGENTE"), {"Battuta annullata"}},
        {only(9, "   "), {"Assemblea", "Battuta annullata", "Battuta rinviata"}},  // not in use
        {{"battuta", "", "", "", "", "", "", "/2023", "", ""}, {"Battuta rinviata"}},
        {{"assemblea", "", "", "", "", "", "", "/2023", "", ""}, {}},
    };
    for (const Case& c : cases) {
        const ListResult result = search(c.criteria);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(subjects(result), c.found) << qPrintable(c.criteria.join(u'|'));
    }
}

TEST_F(CommunicationListsTest, ALineShowsSubjectAuthorTeamTrimmedAndCutAndTheDate) {
    ASSERT_TRUE(writeCommunications(
        path(),
        {{.subject = "   Riunione ", .author = " Rossi", .team = "Alfa ", .date = " 7/03/2024"},
         {.subject = QByteArray(46, 'O') + "X",
          .author = QByteArray(31, 'A'),
          .team = QByteArray(31, 'S'),
          .date = "01/01/2024"}}));
    const QStringList expected{
        QString(45, u'O') + QStringLiteral("  Autore: ") + QString(30, u'A') +
            QStringLiteral("  Squadra: ") + QString(30, u'S') +
            QStringLiteral("  Data: 01/01/2024"),
        QStringLiteral("Riunione") + QString(37, u' ') + QStringLiteral("  Autore: Rossi") +
            QString(25, u' ') + QStringLiteral("  Squadra: Alfa") + QString(26, u' ') +
            QStringLiteral("  Data: 7/03/2024"),
    };
    QStringList texts;
    for (const ListLine& line : search({}).lines) texts.append(line.text);
    EXPECT_EQ(texts, expected);
}

TEST_F(CommunicationListsTest, TheSearchWindowHasItsCaptionCriteriaAndCardTag) {
    const SearchDefinition& s = communications::search();
    EXPECT_STREQ(s.windowName, "TfrmTrovaComunicazioni");
    EXPECT_EQ(s.caption, QStringLiteral(" Trova comunicazioni in archivio"));
    EXPECT_EQ(s.printTitle, QStringLiteral("Riepilogo comunicazioni in archivio"));
    expectCriteria(s, {
                          {"txtOggetto", "Oggetto:", "Oggetto"},
                          {"txtAutore", "Autore del messaggio:", "Autore"},
                          {"txtSquadra", "Squadra di caccia destinataria:", "Squadra"},
                          {"txtCaposquadra", "Capo squadra:", "Caposquadra"},
                          {"txtCacciatori", "Cacciatori destinatari:", "Cacciatori"},
                          {"txtEmail", "Indirizzi e-mail cacciatori:", "Email"},
                          {"txtMessaggio", "Messaggio:", "Messaggio"},
                          {"txtDataInvio", "Data invio:", "DataInvio"},
                          {"txtRiscontro", "Riscontro ricevuto:", "Riscontro"},
                          {"txtNote", "Note:", "Note"},
                      });
    expectLoadsCard(s, "comunicazioni", "TfrmComunicazioni");
}

TEST_F(CommunicationListsTest, ACommunicationIsFlaggedByItsTrimmedSiAlone) {
    struct Case {
        const char* stored;
        bool listed;
    } cases[] = {
        {"Sì", true},  {" Sì ", true}, {"sì", false}, {"SÌ", false},
        {"Si", false}, {"No", false},  {"", false},
    };
    for (const Case& c : cases) {
        FieldValues values(17);
        values[10] = QString::fromUtf8(c.stored);  // Segnala
        values[4] = QStringLiteral("not a date");  // the date plays no part
        EXPECT_EQ(communications::flaggedCondition(values, QDate(2024, 3, 7)), c.listed)
            << c.stored;
    }
}

// Sorted by the line, case folded; two identical lines (the same message to
// the same team on the same day) both listed, each with its own record.
TEST_F(CommunicationListsTest, TheFlaggedSummaryListsTheFlaggedCommunicationsSorted) {
    ASSERT_TRUE(writeCommunications(path(), {{.subject = "Zeta", .flag = "S\xEC"},
                                             {.subject = "Alfa", .flag = "No"},
                                             {.subject = "beta", .flag = "S\xEC"},
                                             {.subject = "Gamma", .flag = "s\xEC"},
                                             {.subject = "Delta", .flag = ""},
                                             {.subject = "beta", .flag = "S\xEC"}}));
    const SummaryDefinition& summary = communications::flaggedSummary();
    EXPECT_STREQ(summary.windowName, "TfrmRiepComunicazioniSegnalate");
    EXPECT_STREQ(summary.commandName, "comunicazioni-segnalate");
    EXPECT_EQ(summary.caption, QStringLiteral(" Riepilogo comunicazioni segnalate"));
    EXPECT_EQ(summary.printTitle, QStringLiteral("Riepilogo comunicazioni segnalate"));
    EXPECT_STREQ(summary.cardWindow, "TfrmComunicazioni");
    const ListResult result = summary.build(path(), QDate(2024, 3, 7));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(subjects(result), (QStringList{"beta", "beta", "Zeta"}));
    EXPECT_EQ(result.lines.at(0).record, 3);
    EXPECT_EQ(result.lines.at(1).record, 6);
}

TEST_F(CommunicationListsTest, TheTeamPickerCopiesFourTeamFieldsAsStored) {
    const PickerMode& mode = communications::teamPicker();
    EXPECT_STREQ(mode.tag, "comunicazioni");
    EXPECT_STREQ(mode.window, "TfrmComunicazioni");
    EXPECT_FALSE(mode.loadsRecord);
    FieldValues team(17);  // the team's fields, in its file order
    team[0] = QStringLiteral("  I Lupi ");
    team[1] = QStringLiteral("Lepre");
    team[3] = QStringLiteral(" Rossi Mario");
    team[4] = QStringLiteral("Mario Rossi\r\n");
    team[5] = QString();
    team[9] = QStringLiteral("nota");
    QStringList controls, values;
    for (const PickerMode::Assignment& a : mode.assignments) {
        controls.append(QString::fromLatin1(a.control));
        values.append(a.value(team));
    }
    EXPECT_EQ(controls, (QStringList{"txtSquadra", "txtCaposquadra", "txtCacciatori", "txtEmail"}));
    EXPECT_EQ(values, (QStringList{"  I Lupi ", " Rossi Mario", "Mario Rossi\r\n", ""}));
}

TEST_F(CommunicationListsTest, TheExportHasEightColumnsOfTrimmedTexts) {
    const ExportDefinition& e = communications::exporter();
    EXPECT_STREQ(e.windowName, "TfrmExpComunicazioni");
    EXPECT_EQ(e.caption, QStringLiteral(" Esporta archivio comunicazioni in Microsoft Excel"));
    EXPECT_EQ(e.fileName, QStringLiteral("Comunicazioni.xls"));
    EXPECT_EQ(e.sheetName, QStringLiteral("Riepilogo Comunicazioni"));
    struct Column {
        const char* header;
        int grid;
        int file;
    } columns[] = {
        {"Oggetto", 300, 400},
        {"Autore del messaggio", 250, 250},
        {"Squadra di caccia destinataria", 250, 300},
        {"Capo squadra", 250, 250},
        {"Data invio", 180, 180},
        {"Note", 300, 350},
        {"Riscontro ricevuto", 300, 400},
        {"Segnalata", 120, 200},
    };
    ASSERT_EQ(e.columns.size(), qsizetype(std::size(columns)));
    for (qsizetype i = 0; i < e.columns.size(); ++i) {
        EXPECT_EQ(e.columns.at(i).header, QString::fromUtf8(columns[i].header));
        EXPECT_EQ(e.columns.at(i).gridWidth, columns[i].grid) << columns[i].header;
        EXPECT_EQ(e.columns.at(i).exportWidth, columns[i].file) << columns[i].header;
    }

    ASSERT_TRUE(writeCommunications(path(), {{.subject = " Riunione ",
                                              .author = "Rossi Mario ",
                                              .team = " Alfa",
                                              .leader = "Neri Ada",
                                              .date = "07/03/2024",
                                              .note = " nota ",
                                              .hunters = "Mario Rossi",
                                              .emails = "mario@rossi.it",
                                              .message = "Testo segreto",
                                              .reply = "ok ",
                                              .flag = "S\xEC"}}));
    ExportGridModel grid(e.columns);
    ASSERT_TRUE(grid.fill(*e.layout, path()));
    ASSERT_EQ(grid.rows().size(), 1);
    EXPECT_EQ(grid.rows().front(), (QStringList{"Riunione", "Rossi Mario", "Alfa", "Neri Ada",
                                                "07/03/2024", "nota", "ok", QStringLiteral("Sì")}));

    const QString xls = dir.filePath(e.fileName);
    ASSERT_TRUE(spreadsheet::writeGrid(xls, e.sheetName, grid));
    QFile file(xls);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QByteArray header = "<tr>";
    for (const Column& c : columns) {
        header += "<td style=\"text-align: left; font-weight: bold;\" width=" +
                  QByteArray::number(c.file) + ">" + c.header + "</td>";
    }
    header += "</tr>";
    EXPECT_TRUE(bytes.contains(header));
    EXPECT_TRUE(bytes.contains("<x:Name>Riepilogo Comunicazioni</x:Name>"));
    EXPECT_FALSE(bytes.contains("mario@rossi.it"));
    EXPECT_FALSE(bytes.contains("Mario Rossi<"));
    EXPECT_FALSE(bytes.contains("segreto"));
    EXPECT_EQ(bytes.count("sdnum"), 8);
}

}  // namespace
