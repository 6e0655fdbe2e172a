#pragma once

#include <QByteArray>
#include <QList>

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
