#pragma once

#include "shell/HelpTopics.h"

// The help topics of the weapon card and of the weapons' export window.
namespace weapons {

const HelpTopic& cardTopic();
const HelpTopic& exportTopic();

}  // namespace weapons
