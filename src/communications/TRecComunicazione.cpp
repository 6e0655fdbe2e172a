#include "communications/TRecComunicazione.h"

#include "base/TextRules.h"

SELVADORO_DEFINE_RECORD(TRecComunicazione, SELVADORO_COMMUNICATION_FIELDS,
                        communications::kFileName, FieldEncoding::ZeroTerminated,
                        communications::kRecordSize)
static_assert(TRecComunicazione::Field::Count == 17);

namespace communications {
namespace {

bool blank(const QString& text) {
    return text::trimBlanks(text).isEmpty();
}

SaveCheck missingForSending(const char* what, const char* control) {
    return SaveCheck{SaveCheck::Kind::Warning,
                     QStringLiteral("Attenzione: per inviare il messaggio e-mail è necessario ") +
                         QString::fromUtf8(what),
                     QString::fromLatin1(control)};
}

}  // namespace

std::optional<SaveCheck> checkForSave(const TRecComunicazione& card) {
    if (blank(card.Oggetto)) {
        return missingField("l'oggetto della comunicazione.", "txtOggetto");
    }
    if (blank(card.Autore)) {
        return missingField("l'autore del messaggio.", "txtAutore");
    }
    if (blank(card.Squadra)) {
        return missingField("la squadra di caccia destinataria della comunicazione.", "txtSquadra");
    }
    if (blank(card.DataInvio)) {
        return missingField("la data di invio della comunicazione.", "txtDataInvio");
    }
    if (blank(card.Email)) {
        return missingField("l'indirizzo e-mail di almeno un destinatario.", "txtEmail");
    }
    if (blank(card.Messaggio)) {
        return missingField("il testo del messaggio.", "txtMessaggio");
    }
    return std::nullopt;
}

std::optional<SaveCheck> checkForSending(const TRecComunicazione& card) {
    if (blank(card.Oggetto)) {
        return missingForSending("indicare l'oggetto.", "txtOggetto");
    }
    if (blank(card.Email)) {
        return missingForSending("indicare l'indirizzo di almeno un destinatario.", "txtEmail");
    }
    if (blank(card.Messaggio)) {
        return missingForSending("scrivere il testo.", "txtMessaggio");
    }
    return std::nullopt;
}

}  // namespace communications
