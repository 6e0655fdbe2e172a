#include "support/TestSeams.h"

#include "report/Report.h"

bool FakeMessages::confirm(const QString& text) {
    shown.append({ShownMessage::Kind::Confirm, text});
    return answers.isEmpty() ? true : answers.takeFirst();
}

QStringList FakeMessages::take() {
    QStringList texts;
    for (const ShownMessage& m : shown) texts.append(m.text);
    shown.clear();
    return texts;
}

QString FakeDesktop::openFileName(const QString& title, const QString& folder,
                                  const QString& filter) {
    dialogs.append({title, folder, filter});
    return nextFileNames.isEmpty() ? QString() : nextFileNames.takeFirst();
}

QString FakeDesktop::saveFileName(const QString& title, const QString& folder,
                                  const QString& filter) {
    dialogs.append({title, folder, filter});
    return nextFileNames.isEmpty() ? QString() : nextFileNames.takeFirst();
}

QString FakeDesktop::folderName(const QString& title, const QString& folder) {
    dialogs.append({title, folder, QString()});
    return nextFileNames.isEmpty() ? QString() : nextFileNames.takeFirst();
}

TestSeams& testSeams() {
    static TestSeams seams;
    return seams;
}

void FakePrinting::preview(const report::PreparedReport& prepared) {
    jobs.append({true, prepared.texts(), static_cast<int>(prepared.pages.size())});
}

void FakePrinting::print(const report::PreparedReport& prepared) {
    jobs.append({false, prepared.texts(), static_cast<int>(prepared.pages.size())});
}

void FakeProgress::begin(const QString& label) {
    begun.append(label);
    open_.append(label);
}

bool FakeProgress::advance(qint64 done, qint64 total) {
    if (open_.isEmpty()) {
        ++misuses;
        return true;
    }
    steps.append({open_.last(), done, total});
    if (cancelling_) return false;  // a cancelled work stays cancelled
    const bool counts =
        cancelAdvance_ > 0 && (cancelLabel_.isEmpty() || open_.last() == cancelLabel_);
    if (counts && ++counted_ == cancelAdvance_) {
        cancelledWork = open_.last();
        cancelling_ = true;
        return false;
    }
    return true;
}

void FakeProgress::end() {
    if (open_.isEmpty()) {
        ++misuses;
        return;
    }
    open_.removeLast();
    ++ends;
    // The dialog goes with the outermost work: the next work starts afresh.
    if (open_.isEmpty() && cancelling_) {
        cancelling_ = false;
        cancelAdvance_ = 0;
    }
}
