#include "lists/RtfDocument.h"

#include "base/Cp1252.h"
#include "base/Paths.h"
#include "base/ReplaceFile.h"
#include "base/TextRules.h"

namespace rtf {

QByteArray value(const QString& text) {
    const QString trimmed = text::trimBlanks(text);
    QByteArray out;
    out.reserve(trimmed.size());
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        const char16_t u = c.unicode();
        if (u == u'\r' || u == u'\n') {
            // A paragraph's line: CR LF counts as one break.
            if (u == u'\r' && i + 1 < trimmed.size() && trimmed.at(i + 1) == u'\n') ++i;
            out += "\\line ";
        } else if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (const char byte = cp1252::byteOf(u); byte != '?' || u == u'?') {
            out += byte;
        } else {
            // One unit of UTF-16 (a character beyond U+FFFF gives two),
            // with '?' for readers that do not know \u.
            out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
        }
    }
    return out;
}

QByteArray build(const RtfDocument& document, const ControlText& textOf) {
    QByteArray out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 "
        "Verdana;}{\\f1\\fnil Verdana;}}"
        "{\\colortbl ;\\red0\\green0\\blue0;}"
        "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 ";
    out += cp1252::encode(QString::fromUtf8(document.title));
    out += "\\f1\\fs16";
    out += "\\par \\fs24 " + QByteArray(48, '_');
    out += "\\par";
    for (qsizetype i = 0; i < document.fields.size(); ++i) {
        const RtfField& field = document.fields.at(i);
        out += i == 0 ? "\\par \\pard\\f0\\fs20 " : "\\par \\b ";
        out += cp1252::encode(QString::fromUtf8(field.heading));
        out += ":\\b0\\f1  \\f0 ";
        out += value(textOf(QString::fromLatin1(field.control)));
        if (i == document.fields.size() - 1) out += "\\b";
        out += "\\par";
    }
    out += "\\par }";
    return out;
}

QString pathOf(const RtfDocument& document) {
    return paths::dataFile(QString::fromLatin1(document.fileName));
}

bool write(const RtfDocument& document, const ControlText& textOf, const QString& path,
           QString* error) {
    return replaceFile(path, build(document, textOf), error);
}

QString confirmExport() {
    return QStringLiteral(
        "Questa procedura esporterà la scheda corrente in un documento in formato RTF.\r\n\r\n"
        "Si conferma la creazione del file?");
}

QString confirmOpen() {
    return QStringLiteral(
        "Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?");
}

QString writeFailed() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
        "documento non sia già aperto.");
}

}  // namespace rtf
