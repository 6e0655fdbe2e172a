#include "hunts/HuntsArchive.h"

#include "agenda/Agenda.h"
#include "export/Calendar.h"
#include "hunts/HuntCard.h"
#include "hunts/HuntHelp.h"
#include "hunts/HuntLists.h"
#include "hunts/TRecBattuta.h"
#include "records/FieldRules.h"

namespace {

// A hunt in a calendar: all day from its first to its last day, with its
// grounds, team, leader, fee, meals, transport and notes, and the alarm at
// its notice days.
std::optional<CalendarEvent> huntEvent(const FieldValues& values) {
    using F = TRecBattuta::Field;
    const auto first = fieldrules::parseDate(values.value(F::DataInizio));
    if (!first) return std::nullopt;
    const auto last = fieldrules::parseDate(values.value(F::DataFine));
    CalendarEvent event;
    event.summary = values.value(F::TipoBattuta).isEmpty() ? QStringLiteral("Battuta di caccia")
                                                           : values.value(F::TipoBattuta);
    event.location = values.value(F::Tenuta);
    QStringList description;
    const std::pair<F::Id, const char*> lines[] = {
        {F::Tenuta, "Tenuta: "}, {F::Squadra, "Squadra: "}, {F::Caposquadra, "Capo squadra: "},
        {F::Quota, "Quota: € "}, {F::Vitto, "Vitto: "},     {F::Trasporto, "Trasporto: "},
        {F::Note, "Note: "},
    };
    for (const auto& [field, label] : lines) {
        if (!values.value(field).isEmpty()) {
            description.append(QString::fromUtf8(label) + values.value(field));
        }
    }
    event.description = description.join(u'\n');
    event.first = *first;
    event.last = last && *last >= *first ? *last : *first;
    bool ok = false;
    const int notice = values.value(F::Preavviso).toInt(&ok);
    event.noticeDays = ok ? notice : -1;
    return event;
}

const CalendarDefinition kCalendar{&huntEvent};

}  // namespace

namespace hunts {

namespace {

// The launcher's agenda lines of this archive.
QList<AgendaCondition> agendaConditions() {
    using F = TRecBattuta::Field;
    return {
        {QStringLiteral("Battute di caccia imminenti"),
         &imminentSummary(),
         nullptr,
         {F::TipoBattuta}},
    };
}

}  // namespace

// The days of notice are not written into the document.
const RtfDocument& rtfCard() {
    static const RtfDocument document{
        "battute",
        "Battuta_di_Caccia.rtf",
        "BATTUTA DI CACCIA",
        {
            {"Tipo battuta di caccia", "txtTipoBattuta"},
            {"Stagione venatoria", "txtStagione"},
            {"Data inizio", "txtDataInizio"},
            {"Data fine", "txtDataFine"},
            {"Tenuta ATC", "txtTenuta"},
            {"Vitto e alloggio", "txtVitto"},
            {"Trasporto", "txtTrasporto"},
            {"Squadra partecipante", "txtSquadra"},
            {"Capo squadra", "txtCaposquadra"},
            {"Quota partecipazione", "txtQuota"},
            {"Note", "txtNote"},
            {"Cacciatori partecipanti", "txtCacciatori"},
            {"Capi abbattuti", "txtCapi"},
        },
    };
    return document;
}

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "battute",
        .layout = &TRecBattuta::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&imminentSummary()},
        .rtfCard = &rtfCard(),
        .helpTopics = {&cardTopic(), &exportTopic()},
        .fieldTypes = {{TRecBattuta::Field::DataInizio, FieldType::Date},
                       {TRecBattuta::Field::DataFine, FieldType::Date},
                       {TRecBattuta::Field::Quota, FieldType::Amount, 2}},
        .agenda = &agendaConditions,
        .calendar = &kCalendar,
        .card = &cardRules(),
        .naturalKey = {TRecBattuta::Field::TipoBattuta, TRecBattuta::Field::DataInizio,
                       TRecBattuta::Field::Squadra},
    };
    return definition;
}

}  // namespace hunts
