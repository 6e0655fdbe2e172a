#pragma once

#include <QString>
#include <functional>

class CardWindow;

// The card windows of the run, each made when it is first needed: by its
// launcher tile, by a list that loads a record into it, by a picker that
// writes values into it. The program installs the maker of its cards
// (app/GuiApplication, from the archives' registry); every window that
// needs a card asks for it here, by its window name.
namespace cards {

// Gives the card window of a name, making it on its first call; null for
// a name that is no card.
using Maker = std::function<CardWindow*(const QString& windowName)>;

// Installs the program's maker; an empty one removes it.
void setMaker(Maker maker);

// The card window of that name ("TfrmAnagrafica"): the program's, made now
// if it is not there yet; without a maker, the card window of that name
// among the top-level windows. Null when there is none.
CardWindow* cardWindow(const QString& windowName);

}  // namespace cards
