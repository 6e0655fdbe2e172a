#pragma once

#include <QByteArray>

// The RTF document of a communication card, written out piece by piece in
// Windows-1252, never through the code that writes it.

// The values of the ten fields as the document writes them: escaped, line
// breaks as \line, one byte per Windows-1252 character.
struct CommunicationDocumentValues {
    QByteArray oggetto{}, autore{}, squadra{}, caposquadra{}, dataInvio{}, note{}, cacciatori{},
        email{}, messaggio{}, riscontro{};
};

inline QByteArray communicationDocument(const CommunicationDocumentValues& v) {
    const auto field = [](const QByteArray& heading, const QByteArray& value) {
        return "\\par \\b " + heading + ":\\b0\\f1  \\f0 " + value + "\\par";
    };
    return QByteArray(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 "
               "Verdana;}{\\f1\\fnil Verdana;}}") +
           "{\\colortbl ;\\red0\\green0\\blue0;}" +
           "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 COMUNICAZIONE AI CACCIATORI\\f1\\fs16" +
           "\\par \\fs24 ________________________________________________\\par" +
           "\\par \\pard\\f0\\fs20 Oggetto:\\b0\\f1  \\f0 " + v.oggetto + "\\par" +
           field("Autore del messaggio", v.autore) +
           field("Squadra di caccia destinataria", v.squadra) +
           field("Capo squadra", v.caposquadra) + field("Data invio", v.dataInvio) +
           field("Note", v.note) + field("Cacciatori destinatari", v.cacciatori) +
           field("Indirizzi e-mail cacciatori", v.email) + field("Messaggio", v.messaggio) +
           "\\par \\b Riscontro ricevuto:\\b0\\f1  \\f0 " + v.riscontro + "\\b\\par" + "\\par }";
}
