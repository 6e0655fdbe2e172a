#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// The association's data, kept in the settings file (mailing::Association):
// the heading of letters, cards and receipts and the sender of the
// e-mails. Salva checks and keeps them; Annulla leaves them as they were.
class TfrmAssociazione : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAssociazione(QWidget* parent = nullptr);

    // Checks the fields and keeps them; false, with the reason shown and
    // the field in focus, when one is wrong.
    bool save();

private:
    void browseLogo();

    QLineEdit* txtNome_ = nullptr;
    QPlainTextEdit* txtIndirizzo_ = nullptr;
    QLineEdit* txtCodiceFiscale_ = nullptr;
    QLineEdit* txtTelefono_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtLuogo_ = nullptr;
    QPlainTextEdit* txtFirma_ = nullptr;
    QLineEdit* txtLogo_ = nullptr;
};
