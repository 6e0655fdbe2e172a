#pragma once

#include <QDialog>

// The information window " Informazioni su Selvadoro": the program's details,
// the data folder in use and a link that starts an e-mail to the maker.
class TfrmInfo : public QDialog {
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget* owner = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
