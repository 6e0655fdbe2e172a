#pragma once

#include <QDialog>

class QCalendarWidget;

// " Importazione data": picks a day on a month calendar and writes it, as
// "dd/mm/yyyy", into the card field named by the window tag.
class TfrmCalendario : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

    // The window tag: which field of which card receives the date.
    void setMemory(const QString& tag) { lblMemory = tag; }
    QString memory() const { return lblMemory; }

    // Writes the date into the target field and closes; with a tag that
    // names no known field nothing is written and the window stays.
    void importDate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString lblMemory;
    QCalendarWidget* calAppuntamenti;
};
