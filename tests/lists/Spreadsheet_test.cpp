#include "lists/Spreadsheet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "hunters/HunterLists.h"
#include "support/HunterArchive.h"
#include "support/SpreadsheetBytes.h"

namespace {

TEST(Spreadsheet, WritesTheDocumentFragmentByFragment) {
    const QByteArray file =
        spreadsheet::document(QStringLiteral("Foglio"),
                              {{QStringLiteral("Nome"), 250}, {QStringLiteral("A<B & C>"), 300}},
                              {{QStringLiteral("  Città "), QStringLiteral("x <b>Rossi</b> y")},
                               {QStringLiteral("007"), QString()}});
    const QByteArray expected =
        exportHead("Foglio") +
        "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Nome</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=300>A&lt;B &amp; C&gt;</td>"
        "</tr><tr>" +
        dataCell("Citt\xE0") + dataCell("x &lt;b&gt;Rossi&lt;/b&gt; y") + "</tr><tr>" +
        dataCell("007") + dataCell("") + "</tr></table></body></html>";
    EXPECT_EQ(file, expected);
    EXPECT_FALSE(file.contains('\n'));
    EXPECT_FALSE(file.contains('\r'));
}

TEST(Spreadsheet, ExportsTheHuntersGridWithoutTheRecordNumber) {
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("Cacciatori.pro"));
    ASSERT_TRUE(writeHunters(archive, {{"Rossi", "Mario", "RSSMRA"},
                                       {"Bianchi", "Anna"},
                                       {.surname = "Verdi", .name = "Ugo", .note = "nota"}}));
    const ExportDefinition& definition = hunters::exporter();
    ExportGridModel grid(definition.columns);
    ASSERT_TRUE(grid.fill(*definition.layout, archive));
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.columnCount(), 26);
    EXPECT_EQ(grid.data(grid.index(2, 0), Qt::DisplayRole).toString(), QStringLiteral("3"));
    EXPECT_EQ(grid.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("N."));

    const QString xls = dir.filePath(QStringLiteral("Anagrafica_Cacciatori.xls"));
    ASSERT_TRUE(spreadsheet::writeGrid(xls, definition.sheetName, grid));
    QFile file(xls);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(exportHead("Anagrafica Cacciatori")));
    EXPECT_TRUE(bytes.endsWith("</tr></table></body></html>"));
    EXPECT_EQ(bytes.count("font-weight: bold;"), 25);
    EXPECT_EQ(bytes.count("<tr>"), 4);
    EXPECT_EQ(bytes.count("sdnum"), 75);
    EXPECT_TRUE(bytes.contains("width=250>Cognome e nome</td>"));
    EXPECT_TRUE(bytes.contains("width=300>Note</td></tr><tr>" + dataCell("Rossi Mario") +
                               dataCell("RSSMRA")));
    EXPECT_TRUE(bytes.contains(dataCell("nota") + "</tr></table>"));
}

TEST(Spreadsheet, TheCommandLinesStreamedExportEqualsTheWindowsGridExport) {
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("Cacciatori.pro"));
    ASSERT_TRUE(writeHunters(archive, {{"Rossi", "Mario", "RSSMRA"}, {"Bianchi", "<Anna>"}}));
    const ExportDefinition& definition = hunters::exporter();
    ExportGridModel grid(definition.columns);
    ASSERT_TRUE(grid.fill(*definition.layout, archive));
    const QString fromGrid = dir.filePath(QStringLiteral("grid.xls"));
    const QString streamed = dir.filePath(QStringLiteral("streamed.xls"));
    ASSERT_TRUE(spreadsheet::writeGrid(fromGrid, definition.sheetName, grid));
    qsizetype rows = 0;
    ASSERT_TRUE(spreadsheet::exportArchive(*definition.layout, definition.columns, archive,
                                           streamed, definition.sheetName, &rows));
    EXPECT_EQ(rows, 2);
    QFile a(fromGrid);
    QFile b(streamed);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    // An archive that cannot be read leaves no export behind.
    const QString blocked = dir.filePath(QStringLiteral("cartella.pro"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("cartella.pro")));
    const QString none = dir.filePath(QStringLiteral("none.xls"));
    EXPECT_FALSE(spreadsheet::exportArchive(*definition.layout, definition.columns, blocked, none,
                                            definition.sheetName));
    EXPECT_FALSE(QFile::exists(none));
    // ... and leaves the export written before as it was.
    QString error;
    EXPECT_FALSE(spreadsheet::exportArchive(*definition.layout, definition.columns, blocked,
                                            streamed, definition.sheetName, nullptr, &error));
    EXPECT_FALSE(error.isEmpty());
    QFile kept(streamed);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    a.seek(0);
    EXPECT_EQ(kept.readAll(), a.readAll());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("Cacciatori.pro"), QStringLiteral("grid.xls"),
                           QStringLiteral("streamed.xls")}));
}

TEST(Spreadsheet, AFailedWriteLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("manca/x.xls"));
    QString error;
    EXPECT_FALSE(spreadsheet::write(path, QStringLiteral("S"), {}, {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
