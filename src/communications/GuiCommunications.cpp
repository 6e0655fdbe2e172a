#include "communications/GuiCommunications.h"

#include "communications/TfrmComunicazioni.h"

namespace communications {

GuiArchive guiArchive() {
    return {
        .tile = "Comunicazioni",
        .caption = QStringLiteral("Invio Comunicazioni"),
        .icon = "comunicazioni",
        .window = "TfrmComunicazioni",
        .createCard = []() -> CardWindow* { return new TfrmComunicazioni; },
    };
}

}  // namespace communications
