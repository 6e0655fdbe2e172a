#pragma once

#include <QString>
#include <functional>

#include "lists/ArchiveDefinition.h"

class QToolButton;
class QWidget;
class RecordListWidget;

// Where the windows reach post and paper.
namespace mailing {

// Adds "Etichette" (and "Tessere", for an archive with cards) to a list
// window's buttons when the list's archive declares its post fields: they
// open the labels or cards window on the records of the list's lines.
void addListButtons(QWidget* window, RecordListWidget* list, const RecordLayout& layout,
                    const QString& recordFile);

// Gives `button` a menu of the merge fields of `messages`' letters, each
// shown as "{Nome}"; choosing one hands its braced name to `insert`.
void addMergeFieldMenu(QToolButton* button, const ArchiveDefinition& messages,
                       const std::function<void(const QString&)>& insert);

// The letters of a message (its card's texts) to its recipients, one page
// each, shown in the preview, from which they may be printed.
void previewLetters(const ArchiveDefinition& messages, const FieldValues& message);
// One .eml file per recipient with an e-mail address, into a folder the
// user picks.
void writeEmails(const ArchiveDefinition& messages, const FieldValues& message);

}  // namespace mailing
