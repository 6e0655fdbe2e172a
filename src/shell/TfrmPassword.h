#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class TfrmCambiaPassword;

// The password window " Selvadoro - Autenticazione", the first window shown
// at start: a correct password shows the launcher and hides this window.
// The password is read from its file at every OK, so a change counts at
// once, and nothing about it is kept in memory.
class TfrmPassword : public QWidget {
    Q_OBJECT

public:
    explicit TfrmPassword(QWidget* parent = nullptr);

    // The window that a correct password shows (maximised).
    void setLauncher(QWidget* launcher);
    // The change window: "Cambia password" shows it, and this window comes
    // back, emptied, when it closes.
    void setChangeWindow(TfrmCambiaPassword* window);

    // The OK button.
    void ok();

Q_SIGNALS:
    // "Esci", or the window closed: the program ends.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void updateOk();
    void changePassword();
    void comeBack();

    QLineEdit* txtPassword_;
    QPushButton* cmdOK_;
    QWidget* launcher_ = nullptr;
    TfrmCambiaPassword* change_ = nullptr;
};
