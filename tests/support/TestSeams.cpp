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
