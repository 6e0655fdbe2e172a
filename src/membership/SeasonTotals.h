#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "report/Report.h"

// The totals of a season: members and amounts by fee kind and by payment
// method, and the count of fees to pay, paid and of members who left.
namespace membership {

struct TotalLine {
    QString name;      // the fee kind or the method
    int members = 0;   // records (annulled ones left out)
    qint64 paid = 0;   // cents paid
    qint64 toPay = 0;  // cents still to pay
};

struct SeasonTotals {
    QString season;
    QList<TotalLine> byKind;
    QList<TotalLine> byMethod;  // paid fees only
    int toPayCount = 0;
    int paidCount = 0;
    int annulledCount = 0;
    int leftCount = 0;
    qint64 paidTotal = 0;
    qint64 toPayTotal = 0;
    bool ok = true;
    QString error;
};
SeasonTotals seasonTotals(const QString& season);

// The totals as lines of text, for the command line and the window.
QStringList totalsText(const SeasonTotals& totals);
// As a printable page, and as a workbook of one sheet.
report::Report totalsReport(const SeasonTotals& totals, const QString& association);
bool writeTotalsXlsx(const SeasonTotals& totals, const QString& path, QString* error);

}  // namespace membership
