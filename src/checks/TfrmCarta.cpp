#include "checks/TfrmCarta.h"

#include "checks/CartaCredito.h"

TfrmCarta::TfrmCarta(QWidget* parent)
    : CheckerWindow(
          CheckerDefinition{
              "TfrmCarta",
              QStringLiteral(" Controllo carta di credito"),
              QStringLiteral("Carta di credito"),
              QStringLiteral(
                  "Immettere il numero di carta di credito e premere il pulsante di controllo."),
              "txtNumero",
              30,
              /*digitsOnly=*/true,
              /*upperTrimmed=*/true,
              &checks::checkCard,
          },
          parent) {}
