#include "checks/GuiCheckers.h"

#include "base/TextRules.h"
#include "checks/TfrmCarta.h"
#include "checks/TfrmCodFisc.h"
#include "checks/TfrmIban.h"
#include "checks/TfrmPartitaIva.h"

namespace checks {
namespace {

template <typename Window>
void showChecker(const QString& fieldText, QWidget* card) {
    Window window(card);
    window.setValue(text::trimBlanks(fieldText));
    window.exec();
}

}  // namespace

void showCodiceFiscaleChecker(const QString& fieldText, QWidget* card) {
    if (text::isAllDigits(text::trimBlanks(fieldText))) {
        showChecker<TfrmPartitaIva>(fieldText, card);
    } else {
        showChecker<TfrmCodFisc>(fieldText, card);
    }
}

void showPartitaIvaChecker(const QString& fieldText, QWidget* card) {
    showChecker<TfrmPartitaIva>(fieldText, card);
}

void showIbanChecker(const QString& fieldText, QWidget* card) {
    showChecker<TfrmIban>(fieldText, card);
}

void showCardChecker(const QString& fieldText, QWidget* card) {
    showChecker<TfrmCarta>(fieldText, card);
}

}  // namespace checks
