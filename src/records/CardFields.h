#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "records/RecordLayout.h"
#include "records/SaveCheck.h"

// The fields of an archive's card as data, without widgets: what the card
// window lays out and what the import reads (labels, kinds, leave rules).

enum class CardFieldKind {
    Edit,          // one-line edit
    Memo,          // multi-line edit
    Check,         // check box, stored "Sì" / "No"
    Combo,         // edit with a drop-down list
    CalendarDate,  // read-only edit filled by the date import window
    ListOnly,      // drop-down whose value is one of its items or nothing
};

enum class Typing {
    AsTyped,
    UpperTrimmed,  // shown trimmed and upper-cased while typing
    Trimmed,       // shown trimmed while typing
};

// Which typed characters a field takes. A filter sees typed characters
// only: navigation keys (Tab, Enter, arrows), editing keys and shortcuts
// (Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z) always reach the field.
using CharFilter = bool (*)(QChar);

namespace cardfilter {
bool digits(QChar c);        // 0-9
bool amount(QChar c);        // 0-9 and the decimal comma
bool alphanumeric(QChar c);  // 0-9, A-Z and a-z
// Any character but the blank, "/", "<", ">", "€", "£", "°" and the
// accented letters: what an e-mail address list may be typed with.
bool email(QChar c);
}  // namespace cardfilter

// What a field's values look like, so that the import can tell a column
// by what it holds when its title could name several fields. The date
// fields are known by their kind and label.
enum class ValueShape {
    Any,
    TaxCode,   // a codice fiscale (or a company's 11 digits)
    Email,     // e-mail addresses
    PostCode,  // a CAP: five digits, leading zeros kept
};

// One field of a card, bound to a field of the archive's record layout;
// its control is the one the layout names for that field. Rows are written
// with designated initializers and only what differs from the defaults:
//   CardField{.field = F::Nome, .label = "Nome:", .next = F::CodFisc}
struct CardField {
    FieldId field;
    const char* label = "";
    CardFieldKind kind = CardFieldKind::Edit;
    CharFilter accepts = nullptr;  // nullptr: any character
    Typing typing = Typing::AsTyped;
    int typingLimit = 0;                         // 0: the field's capacity
    std::optional<FieldId> next = std::nullopt;  // Enter moves the focus there
    const char* dateTag = nullptr;               // window tag of a calendar date field
    const char* defaultText = "";                // set by Clear
    QString (*defaultValue)() = nullptr;         // computed by Clear instead (today)
    // Applied when the field is left, and by Save to the field being edited.
    QString (*onLeave)(const QString&) = nullptr;
    // The yellow highlight behind the field while it has the focus; unset:
    // shown for every kind but check boxes.
    std::optional<bool> highlight = std::nullopt;
    // Its hint in the status line and as a tooltip; null: none.
    const char* hint = nullptr;
    // On a card with painted fills, the field's fill at rest ("#FFFFFF")
    // instead of the card's.
    const char* restFill = nullptr;
    // The items of a drop-down, in order.
    QStringList (*items)() = nullptr;
    // The other titles a spreadsheet's column of this field goes by,
    // separated by "|" ("Cell.|Cellulare"): synonyms and abbreviations
    // the import matches beside the label.
    const char* titles = nullptr;
    // What tells the field apart from another of the same label ("nascita"
    // for one of two "Prov."), shown after its label where fields are
    // named without the card around them: "Prov. (nascita)".
    const char* aside = nullptr;
    ValueShape shape = ValueShape::Any;
};

// Whether a field takes a text as it is typed: a field typed as an amount
// (the amount filter) takes an amount by the one amount rule
// (fieldrules::amountUnits) or nothing, which its leave rule would
// otherwise turn into zero; any other field takes any text.
bool takesText(const CardField& field, const QString& text);
// A field's name without the card around it: its label without the colon,
// then what tells it apart ("Prov. (residenza)"); empty for no label.
QString fieldTitle(const CardField& field);

// What a card does to its texts when it is saved, without widgets: its
// fields, the fields it derives from others and its checks. The card window
// and the import (import/Importer) both go through these, so a record that
// the card would refuse is refused by the import with the card's message.
struct CardRules {
    std::span<const CardField> fields;
    // Sets fields derived from others (a date from its parts) before the check.
    std::function<void(FieldValues&)> derive = nullptr;
    std::function<std::optional<SaveCheck>(const FieldValues&)> check = nullptr;
    // An archive kept in one file per year: the field that holds the year of
    // the file the card writes, which the card sets from the file it opens.
    std::optional<FieldId> yearField = std::nullopt;
};
