#pragma once

#include <QDialog>

// The splash window " Selvadoro - <maker's notice>": the program's picture
// and a link to the maker's web site. Opened from the launcher, centred on
// it.
class TfrmSplash : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* owner = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
