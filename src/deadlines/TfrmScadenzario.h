#pragma once

#include "windows/CardWindow.h"

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

// The deadlines window " Selvadoro - Scadenze e Pagamenti": a start panel
// where the user picks the year, sees whether deadlines are imminent (with
// a sound) and lists a day's or a month's deadlines; then, after "Apri",
// the card on that year's file "<anno>.sca", named by `lblFile`.
class TfrmScadenzario : public CardWindow {
    Q_OBJECT

public:
    explicit TfrmScadenzario(QWidget* parent = nullptr);

    // btnApri: opens the card on the year typed in `txtAnno`.
    void openYear();
    // The imminence check of the start panel, run on every showing.
    void checkImminent();
    // The card on the year of a year's file "<anno>.sca".
    bool openRecordFile(const QString& path) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void cardDuplicated() override;

private:
    QWidget* buildStartPanel();
    void printCard();

    QLineEdit* txtAnno_ = nullptr;
    QPushButton* btnApri_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QLabel* imgPresenti_ = nullptr;
    QLabel* imgAssenti_ = nullptr;
    QCalendarWidget* calAppuntamenti_ = nullptr;
};
