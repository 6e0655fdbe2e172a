#pragma once

#include <QByteArray>

// The RTF document of a team card, written out piece by piece in
// Windows-1252, never through the code that writes it.

// The values of the ten fields as the document writes them: escaped, line
// breaks as \line, one byte per Windows-1252 character.
struct TeamDocumentValues {
    QByteArray squadra{}, forme{}, atc{}, caposquadra{}, cacciatori{}, email{}, vicecapo{},
        capocanaio{}, capoposta{}, note{};
};

namespace teamdocument {

inline const QByteArray kFonts =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}"
    "{\\f1\\fnil Verdana;}}";
inline const QByteArray kColours = "{\\colortbl ;\\red0\\green0\\blue0;}";
inline const QByteArray kTitle =
    "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 SQUADRA DI CACCIA\\f1\\fs16";
inline const QByteArray kRule =
    "\\par \\fs24 ________________________________________________\\par";
inline const QByteArray kEnd = "\\par }";

inline QByteArray firstField(const QByteArray& value) {
    return "\\par \\pard\\f0\\fs20 Nome squadra di caccia:\\b0\\f1  \\f0 " + value + "\\par";
}

inline QByteArray field(const QByteArray& heading, const QByteArray& value) {
    return "\\par \\b " + heading + ":\\b0\\f1  \\f0 " + value + "\\par";
}

inline QByteArray lastField(const QByteArray& value) {
    return "\\par \\b Note:\\b0\\f1  \\f0 " + value + "\\b\\par";
}

}  // namespace teamdocument

inline QByteArray teamDocument(const TeamDocumentValues& v) {
    using namespace teamdocument;
    return kFonts + kColours + kTitle + kRule + firstField(v.squadra) +
           field("Forme di caccia praticate", v.forme) +
           field("Ambiti Territoriali di Caccia", v.atc) + field("Capo squadra", v.caposquadra) +
           field("Cacciatori membri", v.cacciatori) +
           field("Indirizzi e-mail cacciatori", v.email) + field("Vice capo squadra", v.vicecapo) +
           field("Capo canaio", v.capocanaio) + field("Capo posta", v.capoposta) +
           lastField(v.note) + kEnd;
}
