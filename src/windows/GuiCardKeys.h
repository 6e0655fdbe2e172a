#pragma once

#include "records/CardFields.h"

class CardLayout;
class CardWindow;
class QEvent;
class QKeyEvent;
class QWidget;
struct CardDefinition;

// How a card window's fields take the keyboard: Enter moving on to the
// next field, Tab, the characters each field accepts and its typing rule,
// the drop-downs that take only their items, the calendar dates, and the
// rules applied as a field is entered and left.
class CardKeys {
public:
    CardKeys(CardWindow& window, const CardDefinition& definition, const CardLayout& layout);

    // Applies each field's typing rule as the user edits it; once the
    // fields are built.
    void watchTyping();

    // An event of one of the card's fields; true when the field is not to
    // see it.
    bool fieldEvent(QWidget* field, const CardField& desc, QEvent* event);

    // The field being edited, or null.
    QWidget* currentField() const { return currentField_; }
    void setCurrentField(QWidget* field) { currentField_ = field; }
    void leaveField(QWidget* field, const CardField& desc);
    // The field's rule for a text it is left with (an amount formatted).
    void applyLeaveRule(QWidget* field, const CardField& desc);
    void focusFirstField();

private:
    bool handleFieldKey(QWidget* field, const CardField& desc, QKeyEvent* key);
    void moveByEnter(QWidget* next);
    void enterField(QWidget* field);
    void applyTyping(QWidget* field, Typing typing);

    CardWindow& window_;
    const CardDefinition& definition_;
    const CardLayout& layout_;
    QWidget* currentField_ = nullptr;
};
