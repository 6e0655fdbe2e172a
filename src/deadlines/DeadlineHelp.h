#pragma once

#include "shell/HelpTopics.h"

// The help topics of the deadlines: the card's, the lists' (day, month and
// imminent deadlines) and the yearly export's.
namespace deadlines {

const HelpTopic& cardTopic();
const HelpTopic& listsTopic();
const HelpTopic& exportTopic();

// The month list's guide: the lists' topic, its first paragraph naming
// "l'ambiente" where the others name "l'app". Shown by that window only.
const HelpTopic& monthListTopic();

}  // namespace deadlines
