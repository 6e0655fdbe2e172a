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
};

class FakeMessages final : public Messages {
public:
    void warning(const QString& text) override {
        shown.append({ShownMessage::Kind::Warning, text});
    }
    void information(const QString& text) override {
        shown.append({ShownMessage::Kind::Information, text});
    }
    void error(const QString& text) override { shown.append({ShownMessage::Kind::Error, text}); }
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

// The doubles every window test runs with.
struct TestSeams {
    FakeMessages messages;
    FakeDesktop desktop;
    FixedClock clock;
    FakeSound sound;
    FakePrinting printing;
};
TestSeams& testSeams();
