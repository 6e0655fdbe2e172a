#pragma once

#include "shell/HelpTopics.h"

namespace help {

// The topic of the launcher's "Da fare" panel and of `selvadoro agenda`.
const HelpTopic& agendaTopic();

}  // namespace help
