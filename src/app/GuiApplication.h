#pragma once

#include <QString>
#include <memory>
#include <vector>

class CardWindow;
class QApplication;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;

// The windows that live for the whole run, created once at start-up.
class GuiApplication {
public:
    GuiApplication();
    ~GuiApplication();

    TfrmPassword& password() { return *password_; }
    TfrmCambiaPassword& changePassword() { return *changePassword_; }
    TfrmAvvio& launcher() { return *launcher_; }
    // The card window of that name ("TfrmAnagrafica"), or null.
    CardWindow* card(const QString& windowName) const;

    // Shows the first window: the password window.
    void start();

private:
    // Created in this order; the password windows come first.
    std::unique_ptr<TfrmPassword> password_;
    std::unique_ptr<TfrmCambiaPassword> changePassword_;
    std::unique_ptr<TfrmAvvio> launcher_;
    // One card per archive of the registry, made at start-up.
    std::vector<std::unique_ptr<CardWindow>> cards_;
};

// Sets the Italian texts of Qt's own dialogs and the date and number
// settings. Call once, after the application object exists.
void setUpItalian(QApplication& app);

// The whole graphical run: settings, seams, windows, event loop.
int runGui(QApplication& app);
