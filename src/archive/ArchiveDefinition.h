#pragma once

#include <QDateTime>
#include <QList>

#include "archive/ListDefinitions.h"
#include "archive/RtfDocument.h"
#include "report/Report.h"
#include "shell/HelpTopics.h"

// One archive as the core knows it, declared once by the archive's folder:
// what the command line, printing and the guide need of it. The registry
// (app/Archives) lists every archive.
struct ArchiveDefinition {
    const char* name;  // as the command line names it: "anagrafica"
    const RecordLayout* layout;
    const SearchDefinition* search;
    const ExportDefinition* exporter;
    QList<const SummaryDefinition*> summaries;
    // The printed sheet of a card, from the texts the card shows; null for
    // an archive whose cards do not print as a sheet.
    report::Report (*sheet)(const FieldValues& cardTexts, const QDateTime& now) = nullptr;
    // The sheet's picture object that shows a record's stored picture, and
    // that picture decoded no larger than a box; null for sheets without.
    const char* sheetPicture = nullptr;
    QImage (*storedPicture)(qsizetype number, const QSize& box) = nullptr;
    // The RTF document of a card; null for an archive without one.
    const RtfDocument* rtfCard = nullptr;
    // The archive's help topics, in the order of the complete guide.
    QList<const HelpTopic*> helpTopics;
    // An archive kept in one file per year (the deadlines' "2024.sca"): the
    // path of a year's file (four digits). Null: the archive's one file.
    QString (*yearFile)(const QString& year) = nullptr;
    // Lists of a date with a command-line name (the deadlines of a day),
    // each reading the files it names.
    QList<const ExportDefinition*> datedLists = {};
    // A folder of files the archive keeps beside its records in the data
    // folder (the weapons' photos), which a backup holds too; null for none.
    QString (*filesFolder)() = nullptr;

    // The record file of the archive, for a year's file the file of `year`.
    QString recordFile(const QString& year = {}) const;
};
