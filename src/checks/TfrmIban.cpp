#include "checks/TfrmIban.h"

#include "checks/Iban.h"

TfrmIban::TfrmIban(QWidget* parent)
    : CheckerWindow(
          CheckerDefinition{
              "TfrmIban",
              QStringLiteral(" Controllo IBAN"),
              QStringLiteral("Codice IBAN"),
              QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
              "txtIban",
              27,
              /*digitsOnly=*/false,
              /*upperTrimmed=*/true,
              &checks::checkIban,
          },
          parent) {}
