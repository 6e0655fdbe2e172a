#include "windows/GuiCards.h"

#include "windows/CardWindow.h"

namespace cards {
namespace {

Maker& installed() {
    static Maker maker;
    return maker;
}

}  // namespace

void setMaker(Maker maker) {
    installed() = std::move(maker);
}

CardWindow* cardWindow(const QString& windowName) {
    if (const Maker& maker = installed()) return maker(windowName);
    for (CardWindow* card : openCards()) {
        if (card->objectName() == windowName) return card;
    }
    return nullptr;
}

}  // namespace cards
