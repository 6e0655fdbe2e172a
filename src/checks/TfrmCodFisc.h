#pragma once

#include "checks/CheckerWindow.h"

// " Controllo codice fiscale": checks the check letter of a codice fiscale.
class TfrmCodFisc : public CheckerWindow {
    Q_OBJECT

public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);
};
