#pragma once

#include "checks/CheckerWindow.h"

// " Controllo carta di credito": checks a card number and names its issuer.
class TfrmCarta : public CheckerWindow {
    Q_OBJECT

public:
    explicit TfrmCarta(QWidget* parent = nullptr);
};
