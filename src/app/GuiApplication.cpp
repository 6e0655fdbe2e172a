#include "app/GuiApplication.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include "app/Archives.h"
#include "app/GuiArchives.h"
#include "app/TfrmAvvio.h"
#include "backup/BackupSettings.h"
#include "backup/Staging.h"
#include "base/GuiSeams.h"
#include "base/GuiShell.h"
#include "base/Paths.h"
#include "report/GuiPrinting.h"
#include "shell/AccessPassword.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"
#include "windows/CardWindow.h"
#include "windows/GuiCards.h"

GuiApplication::GuiApplication() : password_(std::make_unique<TfrmPassword>()) {
    password_->setLauncher(std::function<QWidget*()>([this] { return &launcher(); }));
    password_->setChangeWindow(
        std::function<TfrmCambiaPassword*()>([this] { return &changePassword(); }));
    QObject::connect(password_.get(), &TfrmPassword::quitRequested, qApp, &QApplication::quit,
                     Qt::QueuedConnection);
    cards::setMaker([this](const QString& windowName) { return card(windowName); });
    registry::install(&archives::all);
}

GuiApplication::~GuiApplication() {
    cards::setMaker({});
    registry::install(nullptr);
}

TfrmCambiaPassword& GuiApplication::changePassword() {
    if (!changePassword_) changePassword_ = std::make_unique<TfrmCambiaPassword>();
    return *changePassword_;
}

TfrmAvvio& GuiApplication::launcher() {
    if (launcher_) return *launcher_;
    launcher_ = std::make_unique<TfrmAvvio>();
    for (const GuiArchive& archive : archives::windows()) {
        if (!archive.createCard) continue;
        launcher_->setCardMaker(
            QString::fromLatin1(archive.tile),
            [window = QString::fromLatin1(archive.window)] { return cards::cardWindow(window); });
    }
    if (!automaticBackups_) {
        QObject::connect(launcher_.get(), &TfrmAvvio::quitRequested, qApp, &QApplication::quit,
                         Qt::QueuedConnection);
        return *launcher_;
    }
    // The backup of the start once the launcher shows; the one of the exit
    // finishes before the program ends.
    launcher_->setBackupWarning(backup::readSettings().lastError);
    QTimer::singleShot(0, launcher_.get(), [this] { automaticBackup(backup::Moment::Start); });
    QObject::connect(
        launcher_.get(), &TfrmAvvio::quitRequested, qApp,
        [this] {
            automaticBackup(backup::Moment::Exit);
            QApplication::quit();
        },
        Qt::QueuedConnection);
    return *launcher_;
}

void GuiApplication::automaticBackup(backup::Moment moment) {
    QString failure;
    {
        ProgressScope progress(QStringLiteral("Backup automatico in corso..."));
        failure = backup::runAutomatic(archives::all(), moment, progress.callback());
    }
    if (!failure.isEmpty()) seams::messages().error(failure);
    if (launcher_) launcher_->setBackupWarning(backup::readSettings().lastError);
}

CardWindow* GuiApplication::card(const QString& windowName) {
    for (const auto& card : cards_) {
        if (card->objectName() == windowName) return card.get();
    }
    for (const GuiArchive& archive : archives::windows()) {
        if (archive.createCard && windowName == QLatin1String(archive.window)) {
            cards_.emplace_back(archive.createCard());
            return cards_.back().get();
        }
    }
    return nullptr;
}

void GuiApplication::start() {
    password_->show();
}

void setUpItalian(QApplication& app) {
    // Dates "dd/mm/yyyy" and the decimal comma; the program writes its dates
    // with an explicit format, so only the Italian conventions matter here.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Qt's own texts ("Sì", "No", "Annulla"): first the copy delivered beside
    // the program, then the system's.
    auto* translator = new QTranslator(&app);
    const QStringList folders{QDir(paths::programFolder()).filePath(QStringLiteral("translations")),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_it"), folder)) {
            QApplication::installTranslator(translator);
            break;
        }
    }
}

int runGui(QApplication& app) {
    // An installed program's data folder and first password file; a failure
    // shows later, as the password window's reading or the archives' access
    // message.
    accesspassword::prepareDataFolder();
    setUpItalian(app);
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(programWindowIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("selvadoro"));

    QtMessages messages;
    QtDesktop desktop;
    QtAlertSound sound;
    QtPrinting printing;
    QtProgress progress;
    seams::setMessages(&messages);
    seams::setDesktop(&desktop);
    seams::setAlertSound(&sound);
    seams::setPrinting(&printing);
    seams::setProgress(&progress);
    // A restore cut short is finished (or taken back) before any window reads.
    if (const QString settled = backup::staging::settleInterrupted(); !settled.isEmpty()) {
        messages.error(settled);
    }
    backup::staging::removeStale();

    int result;
    {
        GuiApplication windows;
        windows.setAutomaticBackups(true);
        windows.start();
        result = QApplication::exec();
    }
    seams::setMessages(nullptr);
    seams::setDesktop(nullptr);
    seams::setAlertSound(nullptr);
    seams::setPrinting(nullptr);
    seams::setProgress(nullptr);
    return result;
}
