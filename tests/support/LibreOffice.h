#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

// Spreadsheets read back by a real spreadsheet program: LibreOffice (the
// package libreoffice-calc-nogui) converts a file to CSV, and the tests
// compare the cells it gives back.

// Splits one CSV line as LibreOffice writes it (comma, double quotes).
inline QStringList csvCells(const QString& line) {
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

// The rows of `spreadsheet` as LibreOffice reads them, each split into its
// cells; `workFolder` holds LibreOffice's profile and the CSV. A failure
// (no LibreOffice, no CSV) is reported and gives no rows.
inline QList<QStringList> spreadsheetRows(const QString& spreadsheet, const QString& workFolder) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        ADD_FAILURE() << "LibreOffice (libreoffice-calc-nogui) is not installed";
        return {};
    }
    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), workFolder);  // a profile of its own
    convert.setProcessEnvironment(environment);
    const QString csvFolder = workFolder + QStringLiteral("/csv");
    convert.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                            QStringLiteral("--outdir"), csvFolder, spreadsheet});
    if (!convert.waitForFinished(180000)) {
        ADD_FAILURE() << "LibreOffice did not finish";
        return {};
    }
    QFile csv(csvFolder + u'/' + QFileInfo(spreadsheet).completeBaseName() +
              QStringLiteral(".csv"));
    if (!csv.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no CSV: " << convert.readAllStandardError().constData();
        return {};
    }
    QList<QStringList> rows;
    for (QString line : QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        rows.append(csvCells(line.remove(u'\r')));
    }
    return rows;
}
