#pragma once

#include "windows/CardWindow.h"
#include "windows/SheetPrintWindow.h"

// The hunter card " Selvadoro - Anagrafica Cacciatori" over "Cacciatori.pro".
class TfrmAnagrafica : public CardWindow {
    Q_OBJECT

public:
    explicit TfrmAnagrafica(QWidget* parent = nullptr);

    // Its preview and print windows.
    static const SheetPrinting& sheetPrinting();

private:
    void layOutFields();
};
