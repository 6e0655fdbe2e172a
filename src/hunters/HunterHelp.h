#pragma once

#include "shell/HelpTopics.h"

// The help topics of the hunter card and of the hunters' export window.
namespace hunters {

const HelpTopic& cardTopic();
const HelpTopic& exportTopic();

}  // namespace hunters
