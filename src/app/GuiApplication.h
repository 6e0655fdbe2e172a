#pragma once

#include <QString>
#include <memory>
#include <vector>

class CardWindow;
class QApplication;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;

// The windows that live for the whole run. Only the password window, the
// first one shown, is made at start-up; every other window is made when it
// is first needed and then kept, so it is the same window, in the state it
// was left in, at every opening.
class GuiApplication {
public:
    // Makes the password window and installs the maker of the cards
    // (`cards::setMaker`), which it removes again when destroyed.
    GuiApplication();
    ~GuiApplication();

    TfrmPassword& password() { return *password_; }
    // Made on first use.
    TfrmCambiaPassword& changePassword();
    TfrmAvvio& launcher();
    // The card window of that name ("TfrmAnagrafica"), made on first use
    // from its entry in the archives' registry; null for a name that is no
    // card. The pickers and lists reach it through `cards::cardWindow`.
    CardWindow* card(const QString& windowName);

    // Shows the first window: the password window.
    void start();

private:
    std::unique_ptr<TfrmPassword> password_;
    std::unique_ptr<TfrmCambiaPassword> changePassword_;
    std::unique_ptr<TfrmAvvio> launcher_;
    // The cards made so far, at most one per archive of the registry.
    std::vector<std::unique_ptr<CardWindow>> cards_;
};

// Sets the Italian texts of Qt's own dialogs and the date and number
// settings. Call once, after the application object exists.
void setUpItalian(QApplication& app);

// The whole graphical run: settings, seams, windows, event loop.
int runGui(QApplication& app);
