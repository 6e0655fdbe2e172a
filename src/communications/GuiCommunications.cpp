#include "communications/GuiCommunications.h"

#include "communications/CommunicationsArchive.h"
#include "communications/TfrmComunicazioni.h"

namespace communications {

GuiArchive guiArchive() {
    return {
        .tile = "Comunicazioni",
        .caption = QStringLiteral("Invio Comunicazioni"),
        .icon = "comunicazioni",
        .window = "TfrmComunicazioni",
        .createCard = []() -> CardWindow* { return new TfrmComunicazioni; },
        .archive = &communications::archive,
    };
}

}  // namespace communications
