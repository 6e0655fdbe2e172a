#pragma once

#include "windows/CardWindow.h"

class QLineEdit;
class QPushButton;

// The membership window " Selvadoro - Tesseramento": a start panel where
// the user picks the season; then, after "Apri", the card on that
// season's file "Tesseramento-<first year>.tes", named by `lblFile`, with
// the season in `lblStagione`.
class TfrmTesseramento : public CardWindow {
    Q_OBJECT

public:
    explicit TfrmTesseramento(QWidget* parent = nullptr);

    // btnApri: opens the card on the season typed in `txtStagione`.
    void openSeason();
    QString season() const;

    // The toolbar's own actions.
    void renewSeason();
    void payShown();
    void writeReceipt();
    void annulShown();
    void remindUnpaid();
    void showTotals();
    void writeRegister();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void cardCleared() override;
    void cardDuplicated() override;

private:
    QWidget* buildStartPanel();
    // The record shown, stored: its number, after the message when not.
    qsizetype storedPosition();

    QLineEdit* txtStagione_ = nullptr;
    QPushButton* btnApri_ = nullptr;
    QString season_;
};
