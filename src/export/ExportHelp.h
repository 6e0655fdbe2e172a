#pragma once

#include "shell/HelpTopics.h"

namespace help {

// The topic of the export formats beside the .xls file.
const HelpTopic& exportFormatsTopic();

}  // namespace help
