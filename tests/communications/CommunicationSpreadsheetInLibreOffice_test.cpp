// The communications' export written by the command line, read by a real
// spreadsheet program: LibreOffice converts it to CSV and every cell comes
// back as the archive holds it, trimmed.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/CommunicationArchive.h"
#include "support/LibreOffice.h"

namespace {

TEST(CommunicationSpreadsheetInLibreOffice, GivesBackEveryCellExactly) {
    QTemporaryDir dir;
    paths::setDataFolder(dir.path());
    ASSERT_TRUE(writeCommunications(dir.filePath(QStringLiteral("Comunicazioni.pro")),
                                    {{.subject = " Riunione <urgente> ",
                                      .author = "Rossi & figli",
                                      .team = "D'Agostino \"bis\"",
                                      .leader = "Nicol\xF2",
                                      .date = "07/03/2024",
                                      .note = "007",
                                      .message = "non esportato",
                                      .reply = "1,50",
                                      .flag = "S\xEC"},
                                     {.subject = "Assemblea", .flag = "No"}}));
    const CommandResult r =
        runCommand({QStringLiteral("esporta"), QStringLiteral("comunicazioni")});
    ASSERT_EQ(r.status, 0) << qPrintable(r.err);

    const QList<QStringList> rows =
        spreadsheetRows(dir.filePath(QStringLiteral("Comunicazioni.xls")), dir.path());
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0), (QStringList{"Oggetto", "Autore del messaggio",
                                       "Squadra di caccia destinataria", "Capo squadra",
                                       "Data invio", "Note", "Riscontro ricevuto", "Segnalata"}));
    EXPECT_EQ(rows.at(1), (QStringList{"Riunione <urgente>", "Rossi & figli", "D'Agostino \"bis\"",
                                       QStringLiteral("Nicolò"), "07/03/2024", "007", "1,50",
                                       QStringLiteral("Sì")}));
    EXPECT_EQ(rows.at(2), (QStringList{"Assemblea", "", "", "", "", "", "", "No"}));
}

}  // namespace
