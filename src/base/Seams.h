#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>

// Everything that needs a person or the desktop goes through these small
// interfaces. The program installs the Qt implementations (GuiSeams.h);
// tests install doubles that record and answer from a script.

// Message dialogs. Warnings and errors show the buttons OK and Cancel (the
// answer is not used), as do the card windows' and the checkers' information
// messages (informationOkCancel); any other information, a result told (an
// import done, a backup written), and plain messages show OK only. A
// confirmation shows Yes and No and returns false only for No. Texts are
// passed exactly as the program words them, line breaks included.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void warning(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    virtual void informationOkCancel(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    virtual void plain(const QString& text) = 0;
    virtual bool confirm(const QString& text) = 0;
};

// The desktop: its default applications, and the file dialogs.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Hands a file path, a web address or a "mailto:" link to the desktop's
    // default application. Enclosing double quotes are dropped. False when
    // the desktop did not take it (no application for it).
    virtual bool shellOpen(const QString& target) = 0;
    // An empty result means the user cancelled.
    virtual QString openFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // A folder the user picks (where merged e-mails are written); empty:
    // cancelled.
    virtual QString folderName(const QString& title, const QString& folder) {
        Q_UNUSED(title);
        Q_UNUSED(folder);
        return {};
    }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};

class AlertSound {
public:
    virtual ~AlertSound() = default;
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

namespace report {
struct PreparedReport;
}

// Printing of prepared reports: a preview from which the user may print,
// or the print dialog.
class Printing {
public:
    virtual ~Printing() = default;
    virtual void preview(const report::PreparedReport& prepared) = 0;
    virtual void print(const report::PreparedReport& prepared) = 0;
};

// How far a piece of work is: `done` of `total` steps. Returning false asks
// the work to stop. The same signature as the record files' ScanProgress.
using WorkProgress = std::function<bool(qint64 done, qint64 total)>;

// Work that can last long on a large archive (a search, a list, an export,
// a print): begun with an Italian label ("Ricerca delle schede in corso..."),
// told how far it is, ended. The program shows a dialog with "Annulla" once
// the work is seen to last more than about a second; advance() returns false
// once the user cancelled, and the work then stops. Pieces of work may nest; each begin
// has its end.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void begin(const QString& label) = 0;
    virtual bool advance(qint64 done, qint64 total) = 0;
    virtual void end() = 0;
};

// The instances in use. Each setter takes a non-owned pointer; the system
// clock is installed from the start.
namespace seams {
Messages& messages();
Desktop& desktop();
const Clock& clock();
AlertSound& alertSound();
Printing& printing();
// Without an implementation installed (the command line), work shows
// nothing and is never cancelled.
Progress& progress();

void setMessages(Messages* messages);
void setDesktop(Desktop* desktop);
void setClock(const Clock* clock);
void setAlertSound(AlertSound* sound);
void setPrinting(Printing* printing);
void setProgress(Progress* progress);
}  // namespace seams

// One piece of work on seams::progress(), from construction to end() or
// destruction. Once the user cancels it stays cancelled: every later
// advance returns false without asking again.
class ProgressScope {
public:
    explicit ProgressScope(const QString& label);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    bool advance(qint64 done, qint64 total);
    // advance() as a callable, for the scans, lists, exports and reports
    // that take one; valid while the scope lives.
    WorkProgress callback();
    // Whether the user stopped the work.
    bool cancelled() const { return cancelled_; }
    // Ends the work before the scope does (a second end does nothing).
    void end();

private:
    bool active_ = true;
    bool cancelled_ = false;
};
