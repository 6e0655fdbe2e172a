#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// The membership's settings window: the fee kinds with their default
// amounts (one a line, "ordinaria=84,00"), the revenue-stamp threshold, the
// first day of a season and the day the agenda's reminder starts. OK
// (`btnOK`) stores them, after naming what is wrong; Annulla leaves them.
class TfrmImpostazioniTesseramento : public QDialog {
    Q_OBJECT

public:
    explicit TfrmImpostazioniTesseramento(QWidget* parent = nullptr);

    // btnOK: checks and stores; true when stored (the window then closes).
    bool store();

private:
    QPlainTextEdit* txtQuote_ = nullptr;
    QLineEdit* txtSoglia_ = nullptr;
    QLineEdit* txtInizio_ = nullptr;
    QLineEdit* txtPromemoria_ = nullptr;
};
