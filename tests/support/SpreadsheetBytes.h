#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>

#include "support/CommandRun.h"

// The bytes of an exported spreadsheet, written out here fragment by
// fragment and never taken from the writer under test: the fixed head with
// the worksheet's name, the heading and data cells, the rows.

inline QByteArray exportHead(const QByteArray& sheet) {
    return QByteArray(
               "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
               "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
               "xmlns=\"http://www.w3.org/TR/REC-html40\">"
               "<head>"
               "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
               "<!--[if gte mso 9]><xml>"
               "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>") +
           sheet +
           "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
           "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
           "<x:ProtectContents>False</x:ProtectContents>"
           "<x:ProtectObjects>False</x:ProtectObjects>"
           "<x:ProtectScenarios>False</x:ProtectScenarios>"
           "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
           "</xml><![endif]--></head><body><table x:str>";
}

inline QByteArray headerCell(const QByteArray& text, int width) {
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) +
           ">" + text + "</td>";
}

inline QByteArray dataCell(const QByteArray& value) {
    return "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + value + "</td>";
}

// A row of data cells.
inline QByteArray dataRow(const QList<QByteArray>& values) {
    QByteArray bytes = "<tr>";
    for (const QByteArray& value : values) bytes += dataCell(value);
    return bytes + "</tr>";
}

// `esporta ARCHIVE` writes `fileName` in the data folder `folder`, and
// `esporta ARCHIVE --file OTHER` another file, each holding `expected`,
// both saying how many rows they wrote.
inline void expectExportsAsBuilt(const QString& folder, const char* archive, const char* fileName,
                                 int rows, const QByteArray& expected) {
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString xls = QDir(folder).filePath(QString::fromLatin1(fileName));
    const CommandResult r = runCommand({QStringLiteral("esporta"), QString::fromLatin1(archive)});
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("Esportate %1 schede in %2\n").arg(rows).arg(xls));
    EXPECT_EQ(read(xls), expected);

    const QString other = QDir(folder).filePath(QStringLiteral("altro file.xls"));
    const CommandResult elsewhere = runCommand(
        {QStringLiteral("esporta"), QString::fromLatin1(archive), QStringLiteral("--file"), other});
    EXPECT_EQ(elsewhere.status, 0) << qPrintable(elsewhere.err);
    EXPECT_EQ(read(other), expected);
}
