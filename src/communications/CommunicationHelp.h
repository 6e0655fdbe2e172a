#pragma once

#include "shell/HelpTopics.h"

// The help topics of the communication card and of the communications'
// export window.
namespace communications {

const HelpTopic& cardTopic();
const HelpTopic& exportTopic();

}  // namespace communications
