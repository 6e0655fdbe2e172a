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

SystemClock systemClock;
NoPrinting noPrinting;
SilentMessages silentMessages;
NoDesktop noDesktop;
NoSound noSound;

Messages* currentMessages = &silentMessages;
Desktop* currentDesktop = &noDesktop;
const Clock* currentClock = &systemClock;
AlertSound* currentSound = &noSound;
Printing* currentPrinting = &noPrinting;

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
}  // namespace seams
