// The export file read by a real spreadsheet program: LibreOffice converts
// it to CSV, and every cell must come back exactly as the grid shows it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "archive/Spreadsheet.h"
#include "hunters/HunterLists.h"
#include "support/HunterArchive.h"

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

TEST(SpreadsheetInLibreOffice, GivesBackEveryCellExactly) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    ASSERT_FALSE(soffice.isEmpty()) << "LibreOffice (libreoffice-calc-nogui) is not installed";
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("Cacciatori.pro"));
    ASSERT_TRUE(writeHunters(
        archive, {{"D'Agostino", "Nicol\xF2", "007"},
                  {.surname = "Rossi", .name = "Citt\xE0", .note = "x <Rossi y & z> \"bis\""},
                  {"Bianchi", "Anna", "00743110157"}}));
    const ExportDefinition& definition = hunters::exporter();
    ExportGridModel grid(definition.columns);
    ASSERT_TRUE(grid.fill(*definition.layout, archive));
    const QString xls = dir.filePath(QStringLiteral("Anagrafica_Cacciatori.xls"));
    ASSERT_TRUE(spreadsheet::writeGrid(xls, definition.sheetName, grid));

    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), dir.path());  // a profile of its own
    convert.setProcessEnvironment(environment);
    convert.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                            QStringLiteral("--outdir"), dir.filePath(QStringLiteral("csv")), xls});
    ASSERT_TRUE(convert.waitForFinished(180000));
    QFile csv(dir.filePath(QStringLiteral("csv/Anagrafica_Cacciatori.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << convert.readAllStandardError().constData();
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts);

    ASSERT_EQ(lines.size(), grid.rowCount() + 1);
    QStringList header;
    for (const ExportColumn& column : definition.columns) header.append(column.header);
    EXPECT_EQ(csvCells(lines.at(0).trimmed()), header);
    for (int row = 0; row < grid.rowCount(); ++row) {
        const QStringList expected = grid.rows().at(row);
        EXPECT_EQ(csvCells(QString(lines.at(row + 1)).remove(u'\r')), expected) << "row " << row;
    }
    // The values that spreadsheets like to change, checked by name.
    EXPECT_TRUE(lines.at(1).contains(QStringLiteral("D'Agostino Nicolò,007,")));
    EXPECT_TRUE(lines.at(3).contains(QStringLiteral(",00743110157,")));
}

}  // namespace
