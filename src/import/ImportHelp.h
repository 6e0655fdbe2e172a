#pragma once

#include "shell/HelpTopics.h"

namespace importer {

// The guide's topic on importing a list.
const HelpTopic& helpTopic();

}  // namespace importer
