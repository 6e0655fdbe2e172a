#pragma once

#include "windows/CardWindow.h"

// The communication card " Selvadoro - Invio Comunicazioni" over
// "Comunicazioni.pro".
class TfrmComunicazioni : public CardWindow {
    Q_OBJECT

public:
    explicit TfrmComunicazioni(QWidget* parent = nullptr);

    // Hands the card's message to the desktop's mail program (btnInvio).
    void send();
};
