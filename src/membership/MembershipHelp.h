#pragma once

#include "shell/HelpTopics.h"

// The membership's help topics.
namespace membership {

const HelpTopic& cardTopic();
const HelpTopic& listsTopic();
const HelpTopic& registerTopic();

}  // namespace membership
