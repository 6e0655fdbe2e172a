#pragma once

#include <memory>

class QApplication;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;
class TfrmAnagrafica;

// The windows that live for the whole run, created once at start-up.
class GuiApplication {
public:
    GuiApplication();
    ~GuiApplication();

    TfrmPassword& password() { return *password_; }
    TfrmCambiaPassword& changePassword() { return *changePassword_; }
    TfrmAvvio& launcher() { return *launcher_; }
    TfrmAnagrafica& hunters() { return *hunters_; }

    // Shows the first window: the password window.
    void start();

private:
    // Created in this order; the password windows come first.
    std::unique_ptr<TfrmPassword> password_;
    std::unique_ptr<TfrmCambiaPassword> changePassword_;
    std::unique_ptr<TfrmAvvio> launcher_;
    std::unique_ptr<TfrmAnagrafica> hunters_;
};

// Sets the Italian texts of Qt's own dialogs and the date and number
// settings. Call once, after the application object exists.
void setUpItalian(QApplication& app);

// The whole graphical run: settings, seams, windows, event loop.
int runGui(QApplication& app);
