#pragma once

#include "archive/CardWindow.h"
#include "report/SheetPrintWindow.h"

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
