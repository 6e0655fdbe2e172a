#pragma once

#include "shell/HelpTopics.h"

namespace backup {

// The guide's topic on the backups and the restore.
const HelpTopic& helpTopic();

}  // namespace backup
