#pragma once

#include <QDate>
#include <QImage>
#include <QStringList>

#include "lists/ArchiveDefinition.h"
#include "mailing/LabelSheet.h"
#include "mailing/MailingSettings.h"
#include "mailing/MemberCards.h"
#include "mailing/Members.h"

// Labels and cards of an archive's records, as the command line and the
// windows make them.
namespace mailing {

// An archive whose records make labels (MailingFields given), or cards too.
bool makesLabels(const ArchiveDefinition& archive);
bool makesCards(const ArchiveDefinition& archive);

// The association's logo decoded no larger than `box` report units at
// print resolution; null when none is set or it cannot be read (`error`).
QImage associationLogo(const QSizeF& box, QString* error = nullptr);

struct LabelJob {
    report::Report report;
    int labels = 0;
    QStringList withoutAddress;  // left out, their names
    QStringList shrunk;          // in a smaller font, their names
    QStringList cut;             // with some line cut, their names
};
LabelJob labelJob(const ArchiveDefinition& archive, const QList<Member>& members,
                  const LabelFormat& format, int start);

report::Report cardJob(const ArchiveDefinition& archive, const QList<Member>& members,
                       const QString& season);
// The same cards written to a PDF file page by page, without holding the
// whole document (as report::writePdf() does otherwise).
bool writeCardsPdf(const ArchiveDefinition& archive, const QList<Member>& members,
                   const QString& season, const QDate& today, const QString& path,
                   QString* error = nullptr, const WorkProgress& progress = {});

// The messages the two print with.
QString withoutAddressMessage(const QStringList& names);
// "Etichette scritte più piccole per farle stare: ..." and "Etichette
// accorciate ...": one line each, empty when none.
QString fitMessage(const LabelJob& job);
QString emptySelectionMessage();

}  // namespace mailing
