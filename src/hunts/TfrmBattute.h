#pragma once

#include "windows/CardWindow.h"

// The hunt card " Selvadoro - Battute di Caccia" over "Battute.pro".
class TfrmBattute : public CardWindow {
    Q_OBJECT

public:
    explicit TfrmBattute(QWidget* parent = nullptr);
};
