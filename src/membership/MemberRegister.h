#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "base/Seams.h"
#include "report/Report.h"

// The members' register (libro soci) at a date: every hunter admitted by
// then (his card's "Data iscrizione"), with his exit, when one recorded in
// the seasons' memberships falls by then. As a landscape A4 PDF numbered
// "Pagina N di M", and as an .xlsx workbook.
namespace membership {

struct RegisterRow {
    qsizetype number = 0;  // the hunter's record number: the member number
    QString name;          // "Rossi Mario"
    QString birthDate;
    QString birthPlace;
    QString taxCode;
    QString residence;
    QString admission;
    QString exitDate;
    QString exitReason;
};

struct Register {
    QList<RegisterRow> rows;
    bool ok = true;
    QString error;
};
Register readRegister(const QDate& at);

// Rows on one page of the PDF.
inline constexpr int kRegisterRowsPerPage = 22;
qsizetype registerPageCount(qsizetype rows);
// Page `index` (from 0) of the register.
report::Report registerPage(const QList<RegisterRow>& rows, qsizetype index, const QDate& at,
                            const QString& association);

bool writeRegisterPdf(const Register& data, const QDate& at, const QString& path, QString* error,
                      const WorkProgress& progress = {});
bool writeRegisterXlsx(const Register& data, const QString& path, QString* error);

}  // namespace membership
