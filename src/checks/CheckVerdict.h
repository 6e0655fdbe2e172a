#pragma once

#include <QString>

namespace checks {

// What a checker tells about a value: the message it shows, and whether
// the value is right, wrong, or could not be checked at all (a wrong
// length, an empty card number) so that the user is asked to correct it.
struct Verdict {
    enum class Outcome { Valid, Wrong, Unchecked };
    Outcome outcome;
    QString message;
};

}  // namespace checks
