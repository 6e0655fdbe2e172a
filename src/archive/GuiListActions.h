#pragma once

#include "archive/ListDefinitions.h"

// Hands a record chosen in a list to the window its mode names: loads it
// into that card, or writes some of its values into that card's fields.
// Nothing is saved. False when the window is not there.
bool applyChosenRecord(const PickerMode& mode, const FoundRecord& record);

// The mode of a summary's double-click: load the record into `cardWindow`.
PickerMode loadIntoCard(const char* cardWindow);
