#pragma once

#include "windows/CardWindow.h"

// The team card " Selvadoro - Archivio Squadre" over "Squadre.pro".
class TfrmSquadre : public CardWindow {
    Q_OBJECT

public:
    explicit TfrmSquadre(QWidget* parent = nullptr);
};
