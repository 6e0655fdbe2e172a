#include "deadlines/DeadlineSheet.h"

#include <array>

#include "base/TextRules.h"
#include "deadlines/TRecScadenza.h"
#include "report/CardSheet.h"

namespace deadlines {
namespace {

using F = TRecScadenza::Field;
using report::SheetRow;
using text::trimBlanks;

QString dateText(const FieldValues& texts) {
    return QStringList{trimBlanks(texts.value(F::Giorno)), trimBlanks(texts.value(F::Mese)),
                       trimBlanks(texts.value(F::Anno))}
        .join(u' ')
        .trimmed();
}

QString flagText(const QString& stored) {
    return text::isFlagSet(stored) ? text::kFlagYes : text::kFlagNo;
}

QString toConfirmText(const FieldValues& texts) {
    return flagText(texts.value(F::DaConfermare));
}

QString paidText(const FieldValues& texts) {
    return flagText(texts.value(F::Effettuata));
}

QString blank(const FieldValues&) {
    return QStringLiteral(" ");
}

const std::array kRows{
    SheetRow{"Data scadenza:", nullptr, F::Giorno, nullptr, std::nullopt, &dateText},
    SheetRow{"Ora appuntamento:", nullptr, F::OreApp, ":", F::MinutiApp},
    SheetRow{"Giorni preavviso:", nullptr, F::Avviso},
    SheetRow{"Cacciatore:", nullptr, F::Cliente},
    SheetRow{"Codice fiscale:", nullptr, F::CodFisc},
    SheetRow{"Telefono preferenziale:", nullptr, F::Recapito},
    SheetRow{"Oggetto pratica:", nullptr, F::Oggetto},
    SheetRow{"Tipologia:", nullptr, F::Tipologia},
    SheetRow{"Protocollo n.", nullptr, F::Protocollo},
    SheetRow{"Data apertura:", nullptr, F::Apertura},
    SheetRow{"Data chiusura:", nullptr, F::Chiusura},
    SheetRow{"Stato avanzamento:", nullptr, F::Stato},
    SheetRow{"Consulente o curatore:", nullptr, F::Consulente},
    SheetRow{"Causale scadenza:", nullptr, F::Dettagli},
    SheetRow{"Modalità di pagamento:", nullptr, F::Officina},
    SheetRow{"Importo in euro:", nullptr, F::Costo},
    SheetRow{"Estremi ricevuta:", nullptr, F::Contatto},
    SheetRow{"Note:", nullptr, F::Note},
    SheetRow{"Appuntamento da confermare:", nullptr, F::DaConfermare, nullptr, std::nullopt,
             &toConfirmText},
    SheetRow{"Pagamento effettuato:", nullptr, F::Effettuata, nullptr, std::nullopt, &paidText},
    SheetRow{" ", nullptr, F::Note, nullptr, std::nullopt, &blank},
    SheetRow{" ", nullptr, F::Note, nullptr, std::nullopt, &blank},
    SheetRow{" ", nullptr, F::Note, nullptr, std::nullopt, &blank},
    SheetRow{" ", nullptr, F::Note, nullptr, std::nullopt, &blank},
};
static_assert(kRows.size() == 24);

const report::CardSheet kSheet{"SCHEDA SCADENZA / APPUNTAMENTO", kRows,
                               report::SheetForm::NumberedRows};

}  // namespace

report::Report deadlineSheet(const FieldValues& cardTexts, const QDateTime& now) {
    return report::cardSheet(kSheet, cardTexts, now);
}

}  // namespace deadlines
