#include "archive/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <array>

#include "archive/CardWindow.h"
#include "archive/FieldRules.h"
#include "base/GuiShell.h"
#include "base/GuiWindows.h"
#include "base/Seams.h"

namespace {

struct DateTarget {
    const char* tag;
    const char* window;
    const char* control;
};

// Every date field filled through this window.
constexpr std::array kTargets{
    DateTarget{"anagrafica_scadeper", "TfrmAnagrafica", "txtScadePer"},
    DateTarget{"anagrafica_decorrenza", "TfrmAnagrafica", "txtDecorrenza"},
    DateTarget{"anagrafica_scadenza", "TfrmAnagrafica", "txtScadenza"},
    DateTarget{"battute_datainizio", "TfrmBattute", "txtDataInizio"},
    DateTarget{"battute_datafine", "TfrmBattute", "txtDataFine"},
    DateTarget{"comunicazioni_datainvio", "TfrmComunicazioni", "txtDataInvio"},
};

}  // namespace

TfrmCalendario::TfrmCalendario(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    makeFixedDialog(this, QSize(253, 294));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Importare una data:"), this));
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // The seven columns share a narrow window: the day names ("dom") are
    // written a point smaller than the days so that each shows whole.
    QTextCharFormat dayNames = calAppuntamenti->headerTextFormat();
    QFont dayNameFont = calAppuntamenti->font();
    if (dayNameFont.pointSizeF() > 1) dayNameFont.setPointSizeF(dayNameFont.pointSizeF() - 1);
    dayNames.setFont(dayNameFont);
    calAppuntamenti->setHeaderTextFormat(dayNames);
    calAppuntamenti->setSelectedDate(seams::clock().today());
    layout->addWidget(calAppuntamenti, 1);

    const OkCancelButtons buttons = addOkCancelRow(this, layout, QStringLiteral("btnImportaData"),
                                                   QStringLiteral("Importa"), ButtonRow::Shared);
    buttons.ok->setDefault(true);
    connect(buttons.ok, &QPushButton::clicked, this, &TfrmCalendario::importDate);
}

void TfrmCalendario::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) centreOver(this, parentWidget());
}

void TfrmCalendario::importDate() {
    for (const DateTarget& target : kTargets) {
        if (lblMemory != QLatin1String(target.tag)) continue;
        auto* card = qobject_cast<CardWindow*>(findWindow(QString::fromLatin1(target.window)));
        if (!card || !card->control(QString::fromLatin1(target.control))) return;
        card->setFieldText(QString::fromLatin1(target.control),
                           fieldrules::formatDate(calAppuntamenti->selectedDate()));
        accept();
        return;
    }
}
