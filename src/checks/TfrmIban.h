#pragma once

#include "checks/CheckerWindow.h"

// " Controllo IBAN": checks an Italian IBAN of 27 characters.
class TfrmIban : public CheckerWindow {
    Q_OBJECT

public:
    explicit TfrmIban(QWidget* parent = nullptr);
};
