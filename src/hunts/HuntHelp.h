#pragma once

#include "shell/HelpTopics.h"

// The help topics of the hunt card and of the hunts' export window.
namespace hunts {

const HelpTopic& cardTopic();
const HelpTopic& exportTopic();

}  // namespace hunts
