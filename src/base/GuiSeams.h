#pragma once

#include <QStringList>
#include <memory>

#include "base/Seams.h"

class QProgressDialog;

// The Qt implementations of the seams used by the program.

class QtMessages final : public Messages {
public:
    void warning(const QString& text) override;
    void information(const QString& text) override;
    void informationOkCancel(const QString& text) override;
    void error(const QString& text) override;
    void plain(const QString& text) override;
    bool confirm(const QString& text) override;
};

class QtDesktop final : public Desktop {
public:
    bool shellOpen(const QString& target) override;
    QString openFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    QString folderName(const QString& title, const QString& folder) override;
};

// Plays through the sound module beside the program (base/AlertSoundModule),
// loaded at the first sound: most runs never play one. Without the module
// the program is silent.
class QtAlertSound final : public AlertSound {
public:
    QtAlertSound();
    ~QtAlertSound() override;
    void play(const QString& path) override;
    void stop() override;

private:
    struct Module;
    std::unique_ptr<Module> module_;  // tried once, at the first sound
};

// Progress of long work: a dialog " Selvadoro" with the work's label, a bar
// and "Annulla", window-modal on the window in front. It shows only once the
// work is seen to last more than about a second (by the pace of its steps,
// or because it has lasted that long), so short work never takes the focus
// from the window it runs in; while it shows, the events are processed at
// each step, so that a click on Annulla is seen.
class QtProgress final : public Progress {
public:
    QtProgress();
    ~QtProgress() override;
    void begin(const QString& label) override;
    bool advance(qint64 done, qint64 total) override;
    void end() override;

private:
    std::unique_ptr<QProgressDialog> dialog_;
    QStringList labels_;  // of the pieces of work begun and not ended, innermost last
};

// The text of a message as a dialog shows it: the program's line-feed and
// carriage-return pairs become single line breaks.
QString displayMessageText(const QString& text);

// The URL that shell open hands to the desktop for a target: a web address
// or mailto link as it is, anything else as a local file path.
class QUrl;
QUrl shellOpenUrl(const QString& target);
