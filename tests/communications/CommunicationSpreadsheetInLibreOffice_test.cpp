// The communications' export written by the command line, read by a real
// spreadsheet program: LibreOffice converts it to CSV and every cell comes
// back as the archive holds it, trimmed.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/CommunicationArchive.h"

namespace {

// Splits one CSV line as LibreOffice writes it (comma, double quotes).
QStringList csvCells(const QString& line) {
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            cells.append(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.append(cell);
    return cells;
}

TEST(CommunicationSpreadsheetInLibreOffice, GivesBackEveryCellExactly) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    ASSERT_FALSE(soffice.isEmpty()) << "LibreOffice (libreoffice-calc-nogui) is not installed";
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

    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), dir.path());  // a profile of its own
    convert.setProcessEnvironment(environment);
    convert.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                            QStringLiteral("--outdir"), dir.filePath(QStringLiteral("csv")),
                            dir.filePath(QStringLiteral("Comunicazioni.xls"))});
    ASSERT_TRUE(convert.waitForFinished(180000));
    QFile csv(dir.filePath(QStringLiteral("csv/Comunicazioni.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << convert.readAllStandardError().constData();
    QStringList lines = QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines) line.remove(u'\r');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(
        csvCells(lines.at(0)),
        (QStringList{"Oggetto", "Autore del messaggio", "Squadra di caccia destinataria",
                     "Capo squadra", "Data invio", "Note", "Riscontro ricevuto", "Segnalata"}));
    EXPECT_EQ(
        csvCells(lines.at(1)),
        (QStringList{"Riunione <urgente>", "Rossi & figli", "D'Agostino \"bis\"",
                     QStringLiteral("Nicolò"), "07/03/2024", "007", "1,50", QStringLiteral("Sì")}));
    EXPECT_EQ(csvCells(lines.at(2)), (QStringList{"Assemblea", "", "", "", "", "", "", "No"}));
}

}  // namespace
