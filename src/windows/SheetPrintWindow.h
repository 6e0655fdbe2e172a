#pragma once

#include <QDateTime>
#include <QDialog>

#include "records/RecordLayout.h"
#include "report/Report.h"

class CardWindow;

// How a card prints as a one-page sheet: the names of its two print
// windows and the sheet built from the texts the card shows.
struct SheetPrinting {
    // " Anteprima di stampa", e.g. "TfrmAnteprimaAnagrafica"; null for a
    // card that prints without a preview.
    const char* previewWindow;
    const char* printWindow;  // " Stampa scheda", e.g. "TfrmStampaAnagrafica"
    report::Report (*sheet)(const FieldValues& cardTexts, const QDateTime& now);
    // The sheet's picture object that shows the card's picture, printed at
    // no more than 300 dpi; null for a sheet without one. When the card has
    // no picture to give, the sheet's own stays.
    const char* picture = nullptr;
};

// The small window that prints a card as a sheet: " Anteprima di stampa"
// shows it in the preview, " Stampa scheda" sends it to the print dialog.
// It prints what the card shows at that moment, saved or not.
class SheetPrintWindow : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Preview, Print };

    SheetPrintWindow(const SheetPrinting& printing, Mode mode, CardWindow* card);

    // btnStampa: builds the sheet from the card, hands it to the preview or
    // the print dialog, and closes the window.
    void printSheet();

    // Opens a fresh window of that mode over the card, modally.
    static void showFor(CardWindow* card, const SheetPrinting& printing, Mode mode);

private:
    SheetPrinting printing_;
    Mode mode_;
    CardWindow* card_;
};
