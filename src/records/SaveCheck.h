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

// The warning of a required field left empty: "Attenzione: per salvare la
// scheda è necessario indicare " + what ("il nome della squadra di caccia."),
// with the focus on its control.
inline SaveCheck missingField(const char* what, const char* control) {
    return SaveCheck{SaveCheck::Kind::Warning,
                     QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ") +
                         QString::fromUtf8(what),
                     QString::fromLatin1(control)};
}
