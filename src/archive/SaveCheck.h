#pragma once

#include <QString>

// The first failed check of a card being saved: the message to show, how
// to show it, and the control that takes the focus (empty: focus stays).
struct SaveCheck {
    enum class Kind { Warning, Plain };
    Kind kind;
    QString message;
    QString focusControl;
};
