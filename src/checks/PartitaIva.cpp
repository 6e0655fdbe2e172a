#include "checks/PartitaIva.h"

#include <array>

namespace checks {
namespace {

// The offices with the codes 001 to 102, in order.
// clang-format off
constexpr std::array<const char16_t*, 102> kOffices{
    u"Torino", u"Vercelli", u"Novara", u"Cuneo", u"Asti", u"Alessandria", u"Aosta", u"Imperia",
    u"Savona", u"Genova 1", u"La Spezia", u"Varese", u"Como", u"Sondrio", u"Milano 1", u"Bergamo",
    u"Brescia 1", u"Pavia", u"Cremona", u"Mantova", u"Bolzano", u"Trento", u"Verona", u"Vicenza",
    u"Belluno", u"Treviso", u"Venezia", u"Padova", u"Rovigo", u"Udine", u"Gorizia", u"Trieste",
    u"Piacenza", u"Parma", u"Reggio Emilia", u"Modena", u"Bologna 1", u"Ferrara", u"Ravenna",
    u"Forlì", u"Pesaro", u"Ancona", u"Macerata", u"Ascoli Piceno", u"Massa Carrara", u"Lucca",
    u"Pistoia", u"Firenze 1", u"Livorno", u"Pisa", u"Arezzo", u"Siena", u"Grosseto", u"Perugia",
    u"Terni", u"Viterbo", u"Rieti", u"Roma 1", u"Latina", u"Frosinone", u"Caserta", u"Benevento",
    u"Napoli 1", u"Avellino", u"Salerno", u"Aquila", u"Teramo", u"Pescara", u"Chieti",
    u"Campobasso", u"Foggia", u"Bari", u"Taranto", u"Brindisi", u"Lecce", u"Potenza", u"Matera",
    u"Cosenza", u"Catanzaro", u"Reggio Calabria", u"Trapani", u"Palermo", u"Messina", u"Agrigento",
    u"Caltanissetta", u"Enna", u"Catania", u"Ragusa", u"Siracusa", u"Sassari", u"Nuoro",
    u"Cagliari", u"Pordenone", u"Isernia", u"Oristano", u"Monza (Milano 2)", u"Prato (Firenze 2)",
    u"Brescia 2", u"Chiavari (Genova 2)", u"Roma 2", u"Bologna 2", u"Napoli 2"
};
// clang-format on

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

QString ufficioIva(QStringView code) {
    if (code.size() != 3 || !isDigit(code[0]) || !isDigit(code[1]) || !isDigit(code[2])) {
        return {};
    }
    const int number = code.toInt();
    if (number >= 1 && number <= static_cast<int>(kOffices.size())) {
        return QString::fromUtf16(kOffices[number - 1]);
    }
    // Two later codes repeat the names of offices already listed.
    if (number == 120) return QStringLiteral("Bologna 2");
    if (number == 121) return QStringLiteral("Napoli 2");
    return {};
}

bool isPartitaIvaValid(QStringView number) {
    if (number.size() != 11) return false;
    int sum = 0;
    for (qsizetype i = 0; i < number.size(); ++i) {
        if (!isDigit(number[i])) return false;
        if (i == 10) break;
        int digit = number[i].unicode() - u'0';
        // Places count from 1: the even ones (odd indexes) are doubled.
        if (i % 2 == 1) {
            digit *= 2;
            if (digit > 9) digit -= 9;
        }
        sum += digit;
    }
    return number[10].unicode() - u'0' == (10 - sum % 10) % 10;
}

Verdict checkPartitaIva(const QString& text) {
    const QString number = text.toUpper();
    if (number.size() != 11) {
        return {Verdict::Outcome::Unchecked,
                QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri "
                               "numerici.")};
    }
    if (isPartitaIvaValid(number)) {
        return {Verdict::Outcome::Valid,
                QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
                               "rilasciato dall'Ufficio IVA del Comune di ") +
                    ufficioIva(QStringView(number).mid(7, 3)) + u'.'};
    }
    return {
        Verdict::Outcome::Wrong,
        QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon "
                       "è quindi possibile fornire informazioni relative all'Ufficio IVA che lo "
                       "ha rilasciato.")};
}

}  // namespace checks
