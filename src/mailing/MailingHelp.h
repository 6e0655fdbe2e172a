#pragma once

#include "shell/HelpTopics.h"

namespace mailing {

// Labels, membership cards, letters and e-mails.
const HelpTopic& helpTopic();

}  // namespace mailing
