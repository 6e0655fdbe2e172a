#pragma once

#include <QDate>
#include <QList>
#include <QStringList>

#include "base/Seams.h"

// Test doubles of the seams: they record what the program asked for and
// answer from a script.

struct ShownMessage {
    enum class Kind { Warning, Information, Error, Plain, Confirm };
    Kind kind;
    QString text;
    // The box offers Annulla beside OK (warnings, errors, the card windows'
    // information); false: OK alone.
    bool cancel = false;
};

class FakeMessages final : public Messages {
public:
    void warning(const QString& text) override {
        shown.append({ShownMessage::Kind::Warning, text, true});
    }
    void information(const QString& text) override {
        shown.append({ShownMessage::Kind::Information, text});
    }
    void informationOkCancel(const QString& text) override {
        shown.append({ShownMessage::Kind::Information, text, true});
    }
    void error(const QString& text) override {
        shown.append({ShownMessage::Kind::Error, text, true});
    }
    void plain(const QString& text) override { shown.append({ShownMessage::Kind::Plain, text}); }
    bool confirm(const QString& text) override;

    // Answers of the next confirmations, in order; true (Yes) when empty.
    QList<bool> answers;
    QList<ShownMessage> shown;

    // The texts shown, in order, and clears the record.
    QStringList take();
};

class FakeDesktop final : public Desktop {
public:
    bool shellOpen(const QString& target) override {
        opened.append(target);
        return takesTargets;
    }
    bool takesTargets = true;  // false: the desktop refuses what it is given
    QString openFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    // Takes the next of nextFileNames too; the dialog's filter is empty.
    QString folderName(const QString& title, const QString& folder) override;

    QStringList opened;
    QStringList nextFileNames;  // "" = the user cancels
    struct Dialog {
        QString title, folder, filter;
    };
    QList<Dialog> dialogs;
};

class FixedClock final : public Clock {
public:
    QDate today() const override { return now_.date(); }
    QDateTime now() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }

private:
    QDateTime now_{QDate(2024, 3, 7), QTime(10, 30)};
};

class FakeSound final : public AlertSound {
public:
    void play(const QString& path) override { played.append(path); }
    void stop() override { ++stops; }
    QStringList played;
    int stops = 0;
};

class FakePrinting final : public Printing {
public:
    void preview(const report::PreparedReport& prepared) override;
    void print(const report::PreparedReport& prepared) override;
    // Every prepared report handed over, and whether it went to the preview.
    struct Job {
        bool preview;
        QStringList texts;
        int pageCount;
    };
    QList<Job> jobs;
};

// Long work: records the labels of the work begun, its steps and its ends,
// and answers Annulla at the advance the script names.
class FakeProgress final : public Progress {
public:
    void begin(const QString& label) override;
    bool advance(qint64 done, qint64 total) override;
    void end() override;

    // The user cancels at the n-th advance (from 1) of the first work begun
    // with `label` (any work when empty); 0: never.
    void cancelAt(int n, const QString& label = {}) {
        cancelAdvance_ = n;
        cancelLabel_ = label;
    }

    QStringList begun;  // the label of each work begun, in order
    int ends = 0;
    // Each advance: the label of the innermost work, and how far it was.
    struct Step {
        QString label;
        qint64 done;
        qint64 total;
    };
    QList<Step> steps;
    // The label of the work the user cancelled; empty while none was.
    QString cancelledWork;
    // An advance or end without a work begun.
    int misuses = 0;

private:
    QStringList open_;  // the works begun and not ended, innermost last
    int cancelAdvance_ = 0;
    QString cancelLabel_;
    int counted_ = 0;          // advances counted towards the cancel
    bool cancelling_ = false;  // the user cancelled the work still open
};

// The doubles every window test runs with.
struct TestSeams {
    FakeMessages messages;
    FakeDesktop desktop;
    FixedClock clock;
    FakeSound sound;
    FakePrinting printing;
    FakeProgress progress;
};
TestSeams& testSeams();
