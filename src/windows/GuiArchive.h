#pragma once

#include <QString>

#include "windows/SheetPrintWindow.h"

class CardWindow;
struct ArchiveDefinition;

// One archive as the windows know it, declared once by the archive's
// folder: its launcher tile and its card window. The registry
// (app/GuiArchives) lists every tile of the launcher, in its order.
struct GuiArchive {
    const char* tile;    // "Anagrafica": the launcher's imgAnagrafica and btnAnagrafica
    QString caption;     // the tile's caption, "Anagrafica Cacciatori"
    const char* icon;    // the tile's picture, "anagrafica"
    const char* window;  // the card's window name, "TfrmAnagrafica"; null for a tile still to come
    CardWindow* (*createCard)() = nullptr;    // null: the tile stays disabled
    const SheetPrinting* printing = nullptr;  // the card's print windows, if it prints a sheet
    const ArchiveDefinition& (*archive)() = nullptr;  // the archive as the core knows it
};
