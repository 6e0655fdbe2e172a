#pragma once

#include <optional>

#include "records/RecordLayout.h"

class CardKeys;
class CardLayout;
class CardWindow;
class QWidget;
struct CardDefinition;

// The life of the record a card window shows: loading it from the record
// file, the navigation among the stored records and the position label,
// a new card cleared or duplicated, and Save with its checks, the
// characters the file cannot hold and the access errors.
class CardRecord {
public:
    CardRecord(CardWindow& window, const CardDefinition& definition, const CardLayout& layout,
               CardKeys& keys);

    // The number of the record shown, 0 for a new card.
    qsizetype position() const;

    // The card's texts in layout order, as the controls hold them.
    FieldValues cardValues() const;
    // Loads stored texts into the card and sets the position label.
    void loadValues(const FieldValues& stored, qsizetype number);
    // Reads record `number` from the archive and loads it; false (after the
    // access-error message) when it cannot be read.
    bool loadRecord(qsizetype number);

    void first();
    void previous();
    void next();
    void last();
    void save();
    void clearCard();
    void duplicate();

private:
    void setPosition(qsizetype number);
    // Shows the texts `derive` set, leaving the others as they are.
    void loadDerived(const FieldValues& values);
    // The number of records in the archive, or nothing once the access
    // error has been shown.
    std::optional<qsizetype> recordCount();
    // Texts holding characters the code page cannot hold: asks whether to
    // store them with '?' in their place (then `values` holds what is to
    // be stored) or to go back to the first such field (false).
    bool acceptUnstorable(FieldValues& values);
    // Focus on the field, its first characters that cannot be stored
    // selected.
    void selectUnstorable(QWidget* field);
    // A field's name for the user: its label on the card.
    QString fieldName(qsizetype index) const;
    void showAccessError(bool plain);
    void showEmptyArchive();
    void clearAttachmentLabels();

    CardWindow& window_;
    const CardDefinition& definition_;
    const CardLayout& layout_;
    CardKeys& keys_;
};
