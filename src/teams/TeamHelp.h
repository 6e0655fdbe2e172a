#pragma once

#include "shell/HelpTopics.h"

// The help topics of the team card and of the teams' export window.
namespace teams {

const HelpTopic& cardTopic();
const HelpTopic& exportTopic();

}  // namespace teams
