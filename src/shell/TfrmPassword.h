#pragma once

#include <QWidget>
#include <functional>

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

    // The window that a correct password shows (maximised): the one given,
    // or the one the function gives when it is first needed.
    void setLauncher(QWidget* launcher);
    void setLauncher(std::function<QWidget*()> launcher);
    // The change window: "Cambia password" shows it, and this window comes
    // back, emptied, when it closes. Likewise given or made on first use.
    void setChangeWindow(TfrmCambiaPassword* window);
    void setChangeWindow(std::function<TfrmCambiaPassword*()> window);

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
    void comeBackWhenClosed(TfrmCambiaPassword* change);
    void comeBack();

    QLineEdit* txtPassword_;
    QPushButton* cmdOK_;
    std::function<QWidget*()> launcher_;
    std::function<TfrmCambiaPassword*()> change_;
};
