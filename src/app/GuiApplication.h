#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "backup/BackupSettings.h"

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

    // The automatic backups (backup/BackupSettings): one at the launcher's
    // first showing and one at exit, each when due, with progress; a
    // failure is shown at once and on the launcher until one succeeds. Off
    // unless the program turns them on (runGui).
    void setAutomaticBackups(bool on) { automaticBackups_ = on; }

private:
    void automaticBackup(backup::Moment moment);

    std::unique_ptr<TfrmPassword> password_;
    std::unique_ptr<TfrmCambiaPassword> changePassword_;
    std::unique_ptr<TfrmAvvio> launcher_;
    bool automaticBackups_ = false;
    // The cards made so far, at most one per archive of the registry.
    std::vector<std::unique_ptr<CardWindow>> cards_;
};

// Sets the Italian texts of Qt's own dialogs and the date and number
// settings. Call once, after the application object exists.
void setUpItalian(QApplication& app);

// The whole graphical run: settings, seams, windows, event loop.
int runGui(QApplication& app);
