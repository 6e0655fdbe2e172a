#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <span>

#include "records/ArchiveMessages.h"
#include "records/CardFields.h"
#include "records/RecordLayout.h"
#include "records/SaveCheck.h"

// A card whose fields paint their own fills instead of showing a highlight
// behind them: one colour at rest, one while the field has the focus, and
// a border of a third.
struct FieldFills {
    const char* rest;
    const char* focus;
    const char* border;
};

// The hidden labels that hold a card's three attachments, slot by slot.
struct AttachmentSlot {
    const char* fileLabel;
    const char* descriptionLabel;
};
inline constexpr std::array<AttachmentSlot, 3> kAttachmentSlots{{
    {"lblFile01", "lblDesc01"},
    {"lblFile02", "lblDesc02"},
    {"lblFile03", "lblDesc03"},
}};

// What makes one archive's card window: its record layout, its fields and
// the texts and checks that differ between archives.
struct CardDefinition {
    const char* windowName;
    // The card's window tag ("anagrafica"): the word with which it opens
    // its search and attachments windows, which find it again by it.
    const char* tag = nullptr;
    QString caption;
    const RecordLayout* layout;
    std::span<const CardField> fields;
    // The status line until the mouse first moves, and the hints of the
    // common buttons; most cards keep these.
    QString readyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
    QString newHint = QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda.");
    QString saveHint = QStringLiteral("Salva la scheda corrente in archivio.");
    QString duplicateHint = QStringLiteral(
        "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.");
    bool plainAccessErrorOnSave = false;
    // The message after a new record is appended.
    QString insertedMessage = archivemsg::recordInserted();
    // Save first moves the focus to the focus sink, so that the field being
    // edited is left (an amount formatted); false: the field keeps the
    // focus, and its leave rule (`onLeave`) is applied to the text all the
    // same, so that the file and the card hold the same text.
    bool leaveFieldOnSave = true;
    // The record file is the one the hidden label `lblFile` names (set with
    // setRecordFile), not the archive's own file.
    bool fileInLabel = false;
    // The toolbar: a row across the top, or a column of captioned buttons
    // at the card's left with the navigation row under it.
    enum class Toolbar { Top, Column };
    Toolbar toolbar = Toolbar::Top;
    // Sets fields derived from others (a date from its parts) on the card's
    // texts before they are checked and stored; the card shows the result.
    std::function<void(FieldValues&)> derive = nullptr;
    // Set: the fields paint these fills and no highlight is shown.
    std::optional<FieldFills> fills = std::nullopt;
    std::function<std::optional<SaveCheck>(const FieldValues&)> check;
};
