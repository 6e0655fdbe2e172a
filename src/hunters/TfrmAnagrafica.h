#pragma once

#include "archive/CardWindow.h"

// The hunter card " Selvadoro - Anagrafica Cacciatori" over "Cacciatori.pro".
class TfrmAnagrafica : public CardWindow {
    Q_OBJECT

public:
    explicit TfrmAnagrafica(QWidget* parent = nullptr);

private:
    void layOutFields();
};
