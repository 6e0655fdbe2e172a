#pragma once

#include <QString>
#include <QStringList>

// Messages shared by every archive.
namespace archivemsg {

inline QString accessError() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
        "possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

inline QString emptyArchive() {
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}

inline QString recordUpdated() {
    return QStringLiteral(
        "Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}

inline QString recordInserted() {
    return QStringLiteral("La scheda corrente è stata inserita in archivio.");
}

inline QString duplicateNeedsStoredCard() {
    return QStringLiteral(
        "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
        "inserita in archivio.");
}

// Save refused: the amount field `field` (its label, without the colon)
// holds `typed`, which is no amount.
inline QString notAnAmount(const QString& field, const QString& typed) {
    return QStringLiteral(
               "Attenzione: il campo %1 contiene \"%2\", che non è un importo.\n\r\n\rScrivere "
               "l'importo con la virgola decimale (per esempio 12,50), oppure cancellarlo per "
               "lo zero. La scheda non è stata salvata.")
        .arg(field, typed);
}

inline QString duplicateReady() {
    return QStringLiteral(
        "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine "
        "premere Salva per inserire la scheda in archivio.");
}

// One line of unstorableCharacters(): the field's name, without the colon
// that ends its label, then the characters, separated by blanks; a
// character that shows nothing (a format or control character, a blank) is
// named by its code ("U+200B").
inline QString unstorableLine(QString name, const QStringList& characters) {
    name = name.trimmed();
    while (name.endsWith(u':')) name = name.chopped(1).trimmed();
    QStringList shown;
    for (const QString& c : characters) {
        const char32_t code = c.size() == 2 && c.at(0).isHighSurrogate()
                                  ? QChar::surrogateToUcs4(c.at(0), c.at(1))
                                  : c.at(0).unicode();
        const bool visible =
            QChar::isPrint(code) && QChar::category(code) != QChar::Separator_Space;
        shown.append(visible ? c
                             : QStringLiteral("U+") + QString::number(static_cast<uint>(code), 16)
                                                          .rightJustified(4, u'0')
                                                          .toUpper());
    }
    return name + QStringLiteral(": ") + shown.join(u' ');
}

// The question asked at Save when texts hold characters that the archive's
// code page cannot hold: one line per field (unstorableLine); Yes saves them
// replaced by "?", No goes back to the card.
inline QString unstorableCharacters(const QStringList& lines) {
    return QStringLiteral(
               "Alcuni caratteri non possono essere memorizzati nell'archivio e verrebbero "
               "sostituiti da \"?\":\n\n") +
           lines.join(u'\n') +
           QStringLiteral("\n\nSalvare comunque la scheda con i caratteri sostituiti?");
}

}  // namespace archivemsg
