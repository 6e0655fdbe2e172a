#pragma once

#include <span>

#include "archive/CardFields.h"

namespace communications {

// The fields of the card in tab order, with their labels: the card window
// is made of them, and the exports head the record's fields with their labels.
std::span<const CardField> cardFields();

}  // namespace communications
