#pragma once

#include <QDialog>

class CardWindow;

// The two small windows that print the hunter card as a one-page sheet:
// " Anteprima di stampa" (TfrmAnteprimaAnagrafica) shows it in the preview,
// " Stampa scheda" (TfrmStampaAnagrafica) sends it to the print dialog.
// They print what the card shows at that moment, saved or not.
class TfrmStampaAnagrafica : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Preview, Print };

    TfrmStampaAnagrafica(Mode mode, CardWindow* card);

    // btnStampa: prepares the sheet from the card, hands it to the preview
    // or the print dialog, and closes the window.
    void printSheet();

    // Opens a fresh window of that mode over the card, modally.
    static void showFor(CardWindow* card, Mode mode);

private:
    Mode mode_;
    CardWindow* card_;
};
