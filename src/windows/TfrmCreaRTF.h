#pragma once

#include <QDialog>

#include "lists/RtfDocument.h"

class CardWindow;

// " Esporta scheda in RTF": writes the card on screen, saved or not, as
// the RTF document its archive declares, and offers to open it. The window
// tag (lblMemory) must be the document's: any other makes btnStampa do
// nothing.
class TfrmCreaRTF : public QDialog {
    Q_OBJECT

public:
    TfrmCreaRTF(CardWindow* card, const RtfDocument& document);

    void setMemory(const QString& tag) { lblMemory = tag; }
    QString memory() const { return lblMemory; }

    // btnStampa: asks, writes the document, offers to open it, closes.
    void exportCard();

    // Opens the window over the card, modally, with the document's tag.
    static void showFor(CardWindow* card, const RtfDocument& document);

protected:
    void showEvent(QShowEvent* event) override;

private:
    CardWindow* card_;
    const RtfDocument& document_;
    QString lblMemory;
};
