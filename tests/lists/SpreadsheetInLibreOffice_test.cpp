// The export file read by a real spreadsheet program: LibreOffice converts
// it to CSV, and every cell must come back exactly as the grid shows it.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "hunters/HunterLists.h"
#include "lists/Spreadsheet.h"
#include "support/HunterArchive.h"
#include "support/LibreOffice.h"

namespace {

TEST(SpreadsheetInLibreOffice, GivesBackEveryCellExactly) {
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

    const QList<QStringList> rows = spreadsheetRows(xls, dir.path());

    ASSERT_EQ(rows.size(), grid.rowCount() + 1);
    QStringList header;
    for (const ExportColumn& column : definition.columns) header.append(column.header);
    EXPECT_EQ(rows.at(0), header);
    for (int row = 0; row < grid.rowCount(); ++row) {
        const QStringList expected = grid.rows().at(row);
        EXPECT_EQ(rows.at(row + 1), expected) << "row " << row;
    }
    // The values that spreadsheets like to change, checked by name.
    EXPECT_TRUE(rows.at(1).join(u',').contains(QStringLiteral("D'Agostino Nicolò,007,")));
    EXPECT_TRUE(rows.at(3).join(u',').contains(QStringLiteral(",00743110157,")));
}

}  // namespace
