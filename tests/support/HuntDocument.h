#pragma once

#include <QByteArray>

// The RTF document of a hunt card, written out piece by piece in
// Windows-1252, never through the code that writes it.

// The values of the thirteen fields as the document writes them: escaped,
// line breaks as \line, one byte per Windows-1252 character.
struct HuntDocumentValues {
    QByteArray tipo{}, stagione{}, inizio{}, fine{}, tenuta{}, vitto{}, trasporto{}, squadra{},
        caposquadra{}, quota{}, note{}, cacciatori{}, capi{};
};

namespace huntdocument {

inline const QByteArray kFonts =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}"
    "{\\f1\\fnil Verdana;}}";
inline const QByteArray kColours = "{\\colortbl ;\\red0\\green0\\blue0;}";
inline const QByteArray kTitle =
    "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 BATTUTA DI CACCIA\\f1\\fs16";
inline const QByteArray kRule =
    "\\par \\fs24 ________________________________________________\\par";
inline const QByteArray kEnd = "\\par }";

inline QByteArray firstField(const QByteArray& value) {
    return "\\par \\pard\\f0\\fs20 Tipo battuta di caccia:\\b0\\f1  \\f0 " + value + "\\par";
}

inline QByteArray field(const QByteArray& heading, const QByteArray& value) {
    return "\\par \\b " + heading + ":\\b0\\f1  \\f0 " + value + "\\par";
}

inline QByteArray lastField(const QByteArray& value) {
    return "\\par \\b Capi abbattuti:\\b0\\f1  \\f0 " + value + "\\b\\par";
}

}  // namespace huntdocument

inline QByteArray huntDocument(const HuntDocumentValues& v) {
    using namespace huntdocument;
    return kFonts + kColours + kTitle + kRule + firstField(v.tipo) +
           field("Stagione venatoria", v.stagione) + field("Data inizio", v.inizio) +
           field("Data fine", v.fine) + field("Tenuta ATC", v.tenuta) +
           field("Vitto e alloggio", v.vitto) + field("Trasporto", v.trasporto) +
           field("Squadra partecipante", v.squadra) + field("Capo squadra", v.caposquadra) +
           field("Quota partecipazione", v.quota) + field("Note", v.note) +
           field("Cacciatori partecipanti", v.cacciatori) + lastField(v.capi) + kEnd;
}
