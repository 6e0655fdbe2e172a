#include "windows/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "records/FieldRules.h"
#include "windows/CardWindow.h"

namespace {

// The open card with a date field of that tag, and the field's control;
// the cards declare their date fields, so no second table of tags is kept.
CardWindow* cardWithDateTag(const QString& tag, QString* control) {
    for (CardWindow* card : openCards()) {
        for (const CardField& field : card->definition().fields) {
            if (field.dateTag && tag == QLatin1String(field.dateTag)) {
                *control = QString::fromLatin1(
                    card->definition().layout->fields[field.field.index].control);
                return card;
            }
        }
    }
    return nullptr;
}

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
    QString control;
    CardWindow* card = cardWithDateTag(lblMemory, &control);
    if (!card) return;
    card->setFieldText(control, fieldrules::formatDate(calAppuntamenti->selectedDate()));
    accept();
}
