#include "checks/TfrmCodFisc.h"

#include "checks/CodiceFiscale.h"

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : CheckerWindow(
          CheckerDefinition{
              "TfrmCodFisc",
              QStringLiteral(" Controllo codice fiscale"),
              QStringLiteral("Codice fiscale"),
              QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
              "txtCodFisc",
              16,
              /*digitsOnly=*/false,
              /*upperTrimmed=*/true,
              &checks::checkCodiceFiscale,
          },
          parent) {}
