#include "base/Seams.h"

namespace {

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Used until the program installs its dialogs: nothing to show on, so
// questions go ahead as a confirmation with no answer would.
class SilentMessages final : public Messages {
public:
    void warning(const QString&) override {}
    void information(const QString&) override {}
    void informationOkCancel(const QString&) override {}
    void error(const QString&) override {}
    void plain(const QString&) override {}
    bool confirm(const QString&) override { return true; }
};

class NoDesktop final : public Desktop {
public:
    bool shellOpen(const QString&) override { return false; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

class NoSound final : public AlertSound {
public:
    void play(const QString&) override {}
    void stop() override {}
};

class NoPrinting final : public Printing {
public:
    void preview(const report::PreparedReport&) override {}
    void print(const report::PreparedReport&) override {}
};

class NoProgress final : public Progress {
public:
    void begin(const QString&) override {}
    bool advance(qint64, qint64) override { return true; }
    void end() override {}
};

SystemClock systemClock;
NoProgress noProgress;
NoPrinting noPrinting;
SilentMessages silentMessages;
NoDesktop noDesktop;
NoSound noSound;

Messages* currentMessages = &silentMessages;
Desktop* currentDesktop = &noDesktop;
const Clock* currentClock = &systemClock;
AlertSound* currentSound = &noSound;
Printing* currentPrinting = &noPrinting;
Progress* currentProgress = &noProgress;

}  // namespace

namespace seams {
Messages& messages() {
    return *currentMessages;
}
Desktop& desktop() {
    return *currentDesktop;
}
const Clock& clock() {
    return *currentClock;
}
AlertSound& alertSound() {
    return *currentSound;
}
Printing& printing() {
    return *currentPrinting;
}
Progress& progress() {
    return *currentProgress;
}

void setMessages(Messages* m) {
    currentMessages = m ? m : &silentMessages;
}
void setDesktop(Desktop* d) {
    currentDesktop = d ? d : &noDesktop;
}
void setClock(const Clock* c) {
    currentClock = c ? c : &systemClock;
}
void setAlertSound(AlertSound* s) {
    currentSound = s ? s : &noSound;
}
void setPrinting(Printing* p) {
    currentPrinting = p ? p : &noPrinting;
}
void setProgress(Progress* p) {
    currentProgress = p ? p : &noProgress;
}
}  // namespace seams

ProgressScope::ProgressScope(const QString& label) {
    seams::progress().begin(label);
}

ProgressScope::~ProgressScope() {
    end();
}

bool ProgressScope::advance(qint64 done, qint64 total) {
    if (!cancelled_ && active_ && !seams::progress().advance(done, total)) cancelled_ = true;
    return !cancelled_;
}

WorkProgress ProgressScope::callback() {
    return [this](qint64 done, qint64 total) { return advance(done, total); };
}

void ProgressScope::end() {
    if (!active_) return;
    active_ = false;
    seams::progress().end();
}
