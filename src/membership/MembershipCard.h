#pragma once

#include "records/CardFields.h"

namespace membership {

// The card's fields, the fields its Save derives and its checks: shared by
// the card window and the import.
const CardRules& cardRules();

}  // namespace membership
