#pragma once

#include "checks/CheckerWindow.h"

// " Controllo partita IVA": checks a partita IVA and names its VAT office.
class TfrmPartitaIva : public CheckerWindow {
    Q_OBJECT

public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);
};
