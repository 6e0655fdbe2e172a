#include "deadlines/DeadlinesArchive.h"

#include "agenda/Agenda.h"
#include "deadlines/DeadlineCard.h"
#include "deadlines/DeadlineHelp.h"
#include "deadlines/DeadlineLists.h"
#include "deadlines/DeadlineSheet.h"
#include "deadlines/TRecScadenza.h"
#include "export/Calendar.h"
#include "records/FieldRules.h"

namespace {

// A deadline in a calendar: at its date and time (00:00 without one), an
// hour long, with its amount, state, details and notes, and the alarm at
// its notice days.
std::optional<CalendarEvent> deadlineEvent(const FieldValues& values) {
    using F = TRecScadenza::Field;
    const auto date = fieldrules::parseDate(values.value(F::Data));
    if (!date) return std::nullopt;
    CalendarEvent event;
    QStringList title;
    for (const F::Id field : {F::Oggetto, F::Cliente}) {
        if (!values.value(field).isEmpty()) title.append(values.value(field));
    }
    event.summary =
        title.isEmpty() ? QStringLiteral("Scadenza") : title.join(QStringLiteral(" - "));
    QStringList description;
    if (!values.value(F::Costo).isEmpty()) {
        description.append(QStringLiteral("Importo: € ") + values.value(F::Costo));
    }
    if (!values.value(F::Stato).isEmpty()) {
        description.append(QStringLiteral("Stato: ") + values.value(F::Stato));
    }
    if (!values.value(F::Dettagli).isEmpty()) description.append(values.value(F::Dettagli));
    if (!values.value(F::Note).isEmpty()) {
        description.append(QStringLiteral("Note: ") + values.value(F::Note));
    }
    event.description = description.join(u'\n');
    event.first = *date;
    event.last = *date;
    const QTime time = QTime::fromString(values.value(F::Ora), QStringLiteral("HH:mm"));
    event.time = time.isValid() ? time : QTime(0, 0);
    bool ok = false;
    const int notice = values.value(F::Avviso).toInt(&ok);
    event.noticeDays = ok ? notice : -1;
    return event;
}

const CalendarDefinition kCalendar{&deadlineEvent};

}  // namespace

namespace deadlines {

namespace {

// The launcher's agenda lines of this archive.
QList<AgendaCondition> agendaConditions() {
    using F = TRecScadenza::Field;
    return {
        {QStringLiteral("Scadenze imminenti"), nullptr, &imminentList(), {F::Cliente, F::Oggetto}},
        {QStringLiteral("Pagamenti da effettuare entro 7 giorni"),
         &paymentsToMake(),
         nullptr,
         {F::Cliente, F::Oggetto},
         F::Data,
         7,
         {0, 1}},
        {QStringLiteral("Appuntamenti da confermare entro 7 giorni"),
         &appointmentsToConfirm(),
         nullptr,
         {F::Cliente, F::Oggetto},
         F::Data,
         7,
         {0, 1}},
    };
}

}  // namespace

const ArchiveDefinition& archive() {
    static const ArchiveDefinition definition{
        .name = "scadenzario",
        .layout = &TRecScadenza::layout(),
        .search = &search(),
        .exporter = &exporter(),
        .summaries = {&paymentsToMake(), &paymentsMade(), &appointmentsToConfirm()},
        .sheet = &deadlineSheet,
        .helpTopics = {&cardTopic(), &listsTopic(), &exportTopic()},
        .yearFile = &yearFilePath,
        .datedLists = {&dayList(), &monthList(), &imminentList()},
        .fieldTypes = {{TRecScadenza::Field::Data, FieldType::Date},
                       {TRecScadenza::Field::Apertura, FieldType::Date},
                       {TRecScadenza::Field::Chiusura, FieldType::Date},
                       {TRecScadenza::Field::Costo, FieldType::Amount, 4},
                       {TRecScadenza::Field::CodFisc, FieldType::Code},
                       {TRecScadenza::Field::Recapito, FieldType::Code}},
        .agenda = &agendaConditions,
        .calendar = &kCalendar,
        .card = &cardRules(),
        .naturalKey = {TRecScadenza::Field::Data, TRecScadenza::Field::Ora,
                       TRecScadenza::Field::Cliente, TRecScadenza::Field::Oggetto},
    };
    return definition;
}

}  // namespace deadlines
