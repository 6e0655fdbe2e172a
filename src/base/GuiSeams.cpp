#include "base/GuiSeams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QProgressDialog>
#include <QUrl>

#include "base/AlertSoundModule.h"
#include "base/Paths.h"

namespace {

void showBox(QMessageBox::Icon icon, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, displayMessageText(text), buttons, QApplication::activeWindow());
    // Messages quote stored texts (names, notes): they are shown as they
    // are, never read as markup that could load a file or a picture.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

QString displayMessageText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.remove(u'\r');
    return shown;
}

QUrl shellOpenUrl(const QString& target) {
    QString t = target.trimmed();
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"')) t = t.mid(1, t.size() - 2);
    if (t.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) ||
        t.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
        t.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
        return QUrl(t, QUrl::TolerantMode);
    }
    return QUrl::fromLocalFile(t);
}

void QtMessages::warning(const QString& text) {
    showBox(QMessageBox::Warning, QStringLiteral("Attenzione"), text,
            QMessageBox::Ok | QMessageBox::Cancel);
}

void QtMessages::information(const QString& text) {
    showBox(QMessageBox::Information, QStringLiteral("Informazione"), text, QMessageBox::Ok);
}

void QtMessages::informationOkCancel(const QString& text) {
    showBox(QMessageBox::Information, QStringLiteral("Informazione"), text,
            QMessageBox::Ok | QMessageBox::Cancel);
}

void QtMessages::error(const QString& text) {
    showBox(QMessageBox::Critical, QStringLiteral("Errore"), text,
            QMessageBox::Ok | QMessageBox::Cancel);
}

void QtMessages::plain(const QString& text) {
    showBox(QMessageBox::NoIcon, QStringLiteral("Selvadoro"), text, QMessageBox::Ok);
}

bool QtMessages::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Conferma"), displayMessageText(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return box.exec() != QMessageBox::No;
}

bool QtDesktop::shellOpen(const QString& target) {
    return QDesktopServices::openUrl(shellOpenUrl(target));
}

QString QtDesktop::openFileName(const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString QtDesktop::saveFileName(const QString& title, const QString& folder,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, folder, filter);
}

QString QtDesktop::folderName(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, folder);
}

struct QtAlertSound::Module {
    SelvadoroSoundPlay play = nullptr;
    SelvadoroSoundStop stop = nullptr;
    SelvadoroSoundRelease release = nullptr;
};

QtAlertSound::QtAlertSound() = default;

QtAlertSound::~QtAlertSound() {
    if (module_ && module_->release) module_->release();
}

void QtAlertSound::play(const QString& path) {
    if (!module_) {
        // The module stays loaded for the rest of the run.
        module_ = std::make_unique<Module>();
        // Beside the program in a portable folder, in the module folder of an
        // installed one.
        QLibrary library;
        for (const QString& folder : paths::moduleFolders()) {
            library.setFileName(QDir(folder).filePath(QString::fromLatin1(kSoundModule)));
            if (library.load()) break;
        }
        if (library.isLoaded()) {
            const auto play = reinterpret_cast<SelvadoroSoundPlay>(library.resolve(kSoundPlay));
            const auto stop = reinterpret_cast<SelvadoroSoundStop>(library.resolve(kSoundStop));
            const auto release =
                reinterpret_cast<SelvadoroSoundRelease>(library.resolve(kSoundRelease));
            if (play && stop && release) *module_ = {play, stop, release};
        }
    }
    if (module_->play) module_->play(reinterpret_cast<const char16_t*>(path.utf16()), path.size());
}

void QtAlertSound::stop() {
    if (module_ && module_->stop) module_->stop();
}

namespace {

// The bar's steps: the work's own steps (records, rows, pages) scaled to
// tenths of a percent.
constexpr int kProgressSteps = 1000;

// How long work must be seen to last for its dialog to show.
constexpr int kProgressShowsAfterMs = 1000;

}  // namespace

QtProgress::QtProgress() = default;

QtProgress::~QtProgress() = default;

void QtProgress::begin(const QString& label) {
    labels_.append(label);
    if (dialog_) {
        // Work within work: its label, from the start of the bar.
        dialog_->setLabelText(label);
        dialog_->setValue(0);
        return;
    }
    QWidget* front = QApplication::activeModalWidget();
    if (!front) front = QApplication::activeWindow();
    dialog_ = std::make_unique<QProgressDialog>(label, QStringLiteral("Annulla"), 0, kProgressSteps,
                                                front);
    dialog_->setWindowTitle(QStringLiteral(" Selvadoro"));
    dialog_->setWindowModality(Qt::WindowModal);
    // Hidden at the end of the work by end(), not when the bar is full: the
    // last step (sorting a list) may still take a moment.
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setMinimumDuration(kProgressShowsAfterMs);
    dialog_->setValue(0);  // the work's clock starts
}

bool QtProgress::advance(qint64 done, qint64 total) {
    if (!dialog_) return true;
    if (dialog_->wasCanceled()) return false;
    const qint64 scaled =
        total > 0 ? qBound(qint64(0), done * kProgressSteps / total, qint64(kProgressSteps)) : 0;
    const bool shown = dialog_->isVisible();
    const int before = dialog_->value();
    // Shows the dialog once the work has lasted long enough; while it shows,
    // a new value also processes the events.
    dialog_->setValue(static_cast<int>(scaled));
    if (shown && dialog_->value() == before) QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

void QtProgress::end() {
    if (labels_.isEmpty()) return;
    labels_.removeLast();
    if (!labels_.isEmpty()) {
        if (dialog_) dialog_->setLabelText(labels_.last());
        return;
    }
    dialog_.reset();
}
