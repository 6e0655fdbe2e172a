#include "checks/TfrmPartitaIva.h"

#include "checks/PartitaIva.h"

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : CheckerWindow(
          CheckerDefinition{
              "TfrmPartitaIva",
              QStringLiteral(" Controllo partita IVA"),
              QStringLiteral("Partita IVA"),
              QStringLiteral(
                  "Immettere il numero di partita IVA e premere il pulsante di controllo."),
              "txtPartitaIva",
              11,
              /*digitsOnly=*/true,
              /*upperTrimmed=*/false,
              &checks::checkPartitaIva,
          },
          parent) {}
