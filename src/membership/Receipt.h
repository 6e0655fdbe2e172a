#pragma once

#include <QDate>
#include <QString>

#include "mailing/MailingSettings.h"
#include "membership/TRecTessera.h"
#include "report/Report.h"

// The receipt of a membership fee: one A4 page holding two copies, the
// association's and the member's, each with the association's heading, the
// receipt's number and date, the member, "quota associativa stagione
// 2026/2027", the amount in figures and in words, the method and a
// signature line; a revenue-stamp box when the amount exceeds the
// settings' threshold; "ANNULLATA" across an annulled one.
namespace membership {

// Whether an amount in cents needs the revenue stamp: above the threshold
// ("77,47").
bool needsStamp(qint64 cents, const QString& threshold);

// The receipt's page for a paid (or annulled) membership.
report::Report receiptReport(const TRecTessera& card, const mailing::Association& association,
                             const QString& stampThreshold);

// The receipt written to a PDF file (replacing it whole), with the
// association and threshold of the settings.
bool writeReceiptPdf(const TRecTessera& card, const QString& path, const QDate& today,
                     QString* error);

}  // namespace membership
