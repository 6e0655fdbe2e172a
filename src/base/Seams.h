#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Everything that needs a person or the desktop goes through these small
// interfaces. The program installs the Qt implementations (GuiSeams.h);
// tests install doubles that record and answer from a script.

// Message dialogs. Warnings, information and errors show the buttons OK and
// Cancel (the answer is not used), plain messages OK only; a confirmation
// shows Yes and No and returns false only for No. Texts are passed exactly
// as the program words them, line breaks included.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void warning(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
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

// The instances in use. Each setter takes a non-owned pointer; the system
// clock is installed from the start.
namespace seams {
Messages& messages();
Desktop& desktop();
const Clock& clock();
AlertSound& alertSound();
Printing& printing();

void setMessages(Messages* messages);
void setDesktop(Desktop* desktop);
void setClock(const Clock* clock);
void setAlertSound(AlertSound* sound);
void setPrinting(Printing* printing);
}  // namespace seams
