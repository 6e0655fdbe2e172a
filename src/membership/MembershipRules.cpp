#include "membership/MembershipRules.h"

#include <array>

#include "base/TextRules.h"
#include "membership/MembershipSettings.h"
#include "records/FieldRules.h"

namespace membership {
namespace {

constexpr std::array<const char*, 20> kUnits{
    "zero",        "uno",      "due",    "tre",         "quattro",  "cinque",    "sei",
    "sette",       "otto",     "nove",   "dieci",       "undici",   "dodici",    "tredici",
    "quattordici", "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
constexpr std::array<const char*, 10> kTens{"",         "",          "venti",    "trenta",
                                            "quaranta", "cinquanta", "sessanta", "settanta",
                                            "ottanta",  "novanta"};

// 1 to 999, without the accent of a final "tre".
QString belowThousand(int n) {
    QString words;
    const int hundreds = n / 100;
    const int rest = n % 100;
    if (hundreds > 0) {
        words = hundreds == 1 ? QStringLiteral("cento")
                              : QString::fromLatin1(kUnits[hundreds]) + QStringLiteral("cento");
    }
    QString tail;
    if (rest > 0 && rest < 20) {
        tail = QString::fromLatin1(kUnits[rest]);
    } else if (rest >= 20) {
        tail = QString::fromLatin1(kTens[rest / 10]);
        const int unit = rest % 10;
        // "ventuno", "trentotto": the tens lose their vowel before 1 and 8.
        if (unit == 1 || unit == 8) tail.chop(1);
        if (unit > 0) tail += QString::fromLatin1(kUnits[unit]);
    }
    // "centotto", "centottanta".
    if (!words.isEmpty() && tail.startsWith(u'o')) words.chop(1);
    return words + tail;
}

// A multiple's prefix: "ventuno" + "mila" -> "ventunmila".
QString prefixOf(qint64 n) {
    QString words = numberInWords(n);
    if (words.endsWith(QStringLiteral("tré"))) words = words.chopped(3) + QStringLiteral("tre");
    if (words.size() > 3 && words.endsWith(QStringLiteral("uno"))) words.chop(1);
    return words;
}

}  // namespace

QStringList stateItems() {
    return {kToPay, kPaid, kAnnulled};
}

QStringList methodItems() {
    return {QStringLiteral("contanti"), QStringLiteral("bonifico"), QStringLiteral("POS"),
            QStringLiteral("assegno")};
}

QStringList exitReasonItems() {
    return {QStringLiteral("dimissioni"), QStringLiteral("decadenza"), QStringLiteral("esclusione"),
            QStringLiteral("decesso")};
}

QString numberInWords(qint64 number) {
    if (number == 0) return QStringLiteral("zero");
    QString words;
    const std::array<std::tuple<qint64, const char*, const char*>, 3> scales{{
        {1'000'000'000, "unmiliardo", "miliardi"},
        {1'000'000, "unmilione", "milioni"},
        {1'000, "mille", "mila"},
    }};
    qint64 rest = number;
    for (const auto& [size, one, many] : scales) {
        const qint64 count = rest / size;
        rest %= size;
        if (count == 1) {
            words += QString::fromLatin1(one);
        } else if (count > 1) {
            words += prefixOf(count) + QString::fromLatin1(many);
        }
    }
    if (rest > 0) words += belowThousand(int(rest));
    // A final "tre" after other words takes the accent: "ventitré".
    if (words.size() > 3 && words.endsWith(QStringLiteral("tre"))) {
        words = words.chopped(1) + QStringLiteral("é");
    }
    return words;
}

QString amountInWords(qint64 cents) {
    return QStringLiteral("%1/%2 euro")
        .arg(numberInWords(cents / 100))
        .arg(cents % 100, 2, 10, QChar(u'0'));
}

bool hasLeft(const TRecTessera& card, const QDate& day) {
    const auto exit = fieldrules::parseDate(card.DataUscita);
    return exit && *exit <= day;
}

QString formatAmount(const QString& text) {
    return fieldrules::formattedAmount(text, 2);
}

std::optional<SaveCheck> checkForSave(const TRecTessera& card) {
    const auto warning = [](const char* what, const char* control) {
        return missingField(what, control);
    };
    const auto invalid = [](const QString& message, const char* control) {
        return SaveCheck{SaveCheck::Kind::Warning, QStringLiteral("Attenzione: ") + message,
                         QString::fromLatin1(control)};
    };
    const QString number = text::trimBlanks(card.Scheda);
    if (number.isEmpty()) return warning("il socio (la scheda del cacciatore).", "txtScheda");
    if (!text::isAllDigits(number) || number.toLongLong() <= 0) {
        return invalid(QStringLiteral("il numero di scheda del socio deve essere un numero "
                                      "intero maggiore di zero."),
                       "txtScheda");
    }
    if (text::trimBlanks(card.Socio).isEmpty()) return warning("il nome del socio.", "txtSocio");
    if (!isSeason(text::trimBlanks(card.Stagione))) {
        return invalid(QStringLiteral("la stagione della scheda non è valida (AAAA/AAAA)."),
                       "txtQuota");
    }
    if (text::trimBlanks(card.Quota).isEmpty()) return warning("il tipo di quota.", "txtQuota");
    if (!fieldrules::amountUnits(card.Importo, 2)) {
        return invalid(QStringLiteral("l'importo non è un importo in euro."), "txtImporto");
    }
    const QString state = text::trimBlanks(card.Stato);
    if (!stateItems().contains(state)) {
        return invalid(QStringLiteral("scegliere lo stato della quota dal menu a cascata."),
                       "txtStato");
    }
    const auto date = [&](const QString& text, const char* what,
                          const char* control) -> std::optional<SaveCheck> {
        if (!text::trimBlanks(text).isEmpty() && !fieldrules::parseDate(text)) {
            return invalid(QStringLiteral("%1 non è una data valida (gg/mm/aaaa).")
                               .arg(QString::fromUtf8(what)),
                           control);
        }
        return std::nullopt;
    };
    if (auto bad = date(card.DataPag, "la data del pagamento", "txtDataPag")) return bad;
    if (auto bad = date(card.ScadePol, "la scadenza della polizza", "txtScadePol")) return bad;
    if (auto bad = date(card.DataUscita, "la data di uscita", "txtDataUscita")) return bad;
    if (state != kToPay) {
        if (text::trimBlanks(card.DataPag).isEmpty()) {
            return warning("la data del pagamento.", "txtDataPag");
        }
        if (!methodItems().contains(text::trimBlanks(card.Metodo))) {
            return invalid(QStringLiteral("scegliere il metodo di pagamento dal menu a cascata."),
                           "txtMetodo");
        }
    }
    // Receipts are numbered by Paga and kept by Annulla only.
    const bool receipt = !text::trimBlanks(card.Ricevuta).isEmpty();
    if (state != kToPay && !receipt) {
        return invalid(QStringLiteral("per registrare un pagamento usare il pulsante Paga, che "
                                      "assegna il numero della ricevuta."),
                       "txtStato");
    }
    if (state == kToPay && receipt) {
        return invalid(QStringLiteral("la quota ha la ricevuta n. %1: per annullare il pagamento "
                                      "usare il pulsante Annulla pag.")
                           .arg(text::trimBlanks(card.Ricevuta)),
                       "txtStato");
    }
    const bool exitDate = !text::trimBlanks(card.DataUscita).isEmpty();
    const bool reason = !text::trimBlanks(card.Motivo).isEmpty();
    if (exitDate && !exitReasonItems().contains(text::trimBlanks(card.Motivo))) {
        return invalid(QStringLiteral("scegliere il motivo dell'uscita dal menu a cascata."),
                       "txtMotivo");
    }
    if (reason && !exitDate) return warning("la data di uscita del socio.", "txtDataUscita");
    return std::nullopt;
}

}  // namespace membership
