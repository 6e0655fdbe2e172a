#include "communications/CommunicationMail.h"

#include "base/TextRules.h"
#include "shell/MailtoLink.h"

namespace communications {

MailPlan mailPlan(const QString& addresses, const QString& subject, const QString& body) {
    const QString to = text::trimBlanks(addresses);
    const QString about = text::trimBlanks(subject);
    const QString text = text::trimBlanks(body);
    const QString whole = mailtoLink(to, about, text);
    if (whole.size() <= kMailLinkLimit) return {MailPlan::Kind::Whole, whole, text};
    const QString withoutBody = mailtoLink(to, about);
    if (withoutBody.size() <= kMailLinkLimit) {
        return {MailPlan::Kind::WithoutBody, withoutBody, text};
    }
    return {MailPlan::Kind::TooLong, QString(), text};
}

QString bodyOnClipboardMessage() {
    return QStringLiteral(
        "Il testo del messaggio è troppo lungo per essere passato al programma di posta "
        "elettronica: il messaggio è stato aperto con i soli destinatari e l'oggetto, mentre il "
        "testo è stato copiato negli appunti. Incollarlo nel corpo del messaggio prima di "
        "inviarlo.");
}

QString tooManyRecipientsMessage() {
    return QStringLiteral(
        "Attenzione: gli indirizzi dei destinatari e l'oggetto sono troppo lunghi per essere "
        "passati al programma di posta elettronica, quindi il messaggio non è stato aperto. "
        "Inviare la comunicazione a gruppi più piccoli di destinatari.");
}

QString notOpenedMessage() {
    return QStringLiteral(
        "Attenzione: non è stato possibile aprire il messaggio nel programma di posta "
        "elettronica. Verificare che sul computer sia installata un'applicazione per la "
        "gestione della posta elettronica.");
}

}  // namespace communications
