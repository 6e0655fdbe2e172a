#pragma once

#include <QList>
#include <optional>
#include <vector>

#include "records/RecordLayout.h"

// What an archive declares for post and paper, in its registry entry
// (ArchiveDefinition::mailing and ::letters). The generic pieces of this
// folder read these tables and never know which archive they serve.

// A merge name that is not a field name of the record type ({Squadra} for
// the field that holds a hunter's team).
struct MergeAlias {
    const char* name;
    FieldId field;
};

// The records of an archive of people: what makes their address labels,
// membership cards and merged letters.
struct MailingFields {
    // The name, these fields trimmed and joined by a blank ("Rossi Mario"):
    // the first line of a label and a card, and the key a letter's
    // recipients are matched by.
    std::vector<FieldId> name;
    FieldId address;
    FieldId postcode;
    FieldId town;
    FieldId province;
    // The e-mail address a merged e-mail goes to.
    std::optional<FieldId> email = std::nullopt;
    // A membership card's codice fiscale and card number (tesserino
    // venatorio); without both, the archive has no cards.
    std::optional<FieldId> taxCode = std::nullopt;
    std::optional<FieldId> cardNumber = std::nullopt;
    // What tells namesakes apart when a letter's recipient could be more
    // than one member (with the town and the codice fiscale): the date of
    // birth.
    std::optional<FieldId> birthDate = std::nullopt;
    // The member's sex ("M" or "F"), which {Gentile} and the like follow.
    std::optional<FieldId> sex = std::nullopt;
    // Merge names besides the record type's field names.
    QList<MergeAlias> aliases = {};
};

// An archive of messages (a communication): the fields one letter or
// e-mail per recipient is merged from.
struct LetterFields {
    // The archive its recipients are in, by its command-line name (an
    // archive with MailingFields).
    const char* recipientArchive;
    // The recipients, one name per line as MailingFields::name makes it.
    FieldId recipients;
    FieldId subject;
    FieldId text;
    // The date the letter carries; empty: today.
    FieldId date;
    // Merge names taken from the message itself ({DataInvio}).
    QList<MergeAlias> ownFields = {};
};
