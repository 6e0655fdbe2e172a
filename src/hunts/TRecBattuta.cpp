#include "hunts/TRecBattuta.h"

#include "base/TextRules.h"
#include "records/FieldRules.h"

SELVADORO_DEFINE_RECORD(TRecBattuta, SELVADORO_HUNT_FIELDS, hunts::kFileName,
                        FieldEncoding::ZeroTerminated, hunts::kRecordSize)
static_assert(TRecBattuta::Field::Count == 20);

namespace hunts {
namespace {

const QString kBreak = QStringLiteral("\n\r\n\r");

SaveCheck noSuchDate(const char* which, const QString& date, const char* control) {
    return SaveCheck{
        SaveCheck::Kind::Plain,
        QStringLiteral("Attenzione: la data di ") + QString::fromUtf8(which) +
            QStringLiteral(" della battuta di caccia ") + date + QStringLiteral(" non esiste.") +
            kBreak +
            QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida "
                           "nel formato gg/mm/aaaa."),
        QString::fromLatin1(control)};
}

}  // namespace

std::optional<SaveCheck> checkForSave(const TRecBattuta& card) {
    using text::trimBlanks;
    if (trimBlanks(card.TipoBattuta).isEmpty()) {
        return missingField("il tipo di battuta di caccia.", "txtTipoBattuta");
    }
    const QString start = trimBlanks(card.DataInizio);
    const QString end = trimBlanks(card.DataFine);
    if (start.isEmpty()) {
        return missingField("la data di inizio della battuta di caccia.", "txtDataInizio");
    }
    if (end.isEmpty()) {
        return missingField("la data di fine della battuta di caccia.", "txtDataFine");
    }
    const auto startDate = fieldrules::parseDate(start);
    if (!startDate) return noSuchDate("inizio", start, "txtDataInizio");
    const auto endDate = fieldrules::parseDate(end);
    if (!endDate) return noSuchDate("fine", end, "txtDataFine");
    if (*startDate > *endDate) {
        return SaveCheck{
            SaveCheck::Kind::Plain,
            QStringLiteral("Attenzione: la data di fine della battuta di caccia (") + end +
                QStringLiteral(") non può essere anteriore a quella di inizio (") + start +
                QStringLiteral(").") + kBreak +
                QStringLiteral(
                    "Per poter salvare la scheda è necessario indicare un intervallo di tempo "
                    "valido."),
            QString()};
    }
    if (trimBlanks(card.Preavviso).isEmpty()) {
        return missingField("i giorni di preavviso.", "txtPreavviso");
    }
    return std::nullopt;
}

QString formatFee(const QString& text) {
    return fieldrules::formattedAmount(text, 2);
}

}  // namespace hunts
