#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// The RTF document of a card: a centred title, a line of underscores, then
// one paragraph per field, a bold heading and the plain value, in Verdana.
// Built from the texts of the card's controls, saved or not.

// One field of the document: its heading and the card control it shows.
struct RtfField {
    const char* heading;  // "Nome squadra di caccia"
    const char* control;  // txtSquadra
};

// An archive's card document, declared by the archive.
struct RtfDocument {
    const char* tag;       // the window tag that chooses it: "squadre"
    const char* fileName;  // "Squadra_di_Caccia.rtf", in the data folder
    const char* title;     // "SQUADRA DI CACCIA"
    QList<RtfField> fields;
};

namespace rtf {

// The text of a card control, by its name.
using ControlText = std::function<QString(const QString& control)>;

// The bytes of the document (Windows-1252, no line break): each value is
// the control's text trimmed, with `\`, `{` and `}` escaped, each line
// break (CR LF, CR or LF) written as `\line `, and each character the code
// page cannot hold as `\uN?` (N its UTF-16 unit as a signed number).
QByteArray build(const RtfDocument& document, const ControlText& textOf);

// One value as the document writes it.
QByteArray value(const QString& text);

// The document's path in the data folder.
QString pathOf(const RtfDocument& document);

// Writes the document to `path` through a temporary file, so that a
// failure leaves any previous document whole.
bool write(const RtfDocument& document, const ControlText& textOf, const QString& path,
           QString* error = nullptr);

// The messages of the export.
QString confirmExport();
QString confirmOpen();
QString writeFailed();

}  // namespace rtf
