#include "app/GuiApplication.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "base/GuiSeams.h"
#include "base/Paths.h"
#include "app/TfrmAvvio.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"
#include "hunters/TfrmAnagrafica.h"
#include "report/GuiPrinting.h"

GuiApplication::GuiApplication()
    : password_(std::make_unique<TfrmPassword>()),
      changePassword_(std::make_unique<TfrmCambiaPassword>()),
      launcher_(std::make_unique<TfrmAvvio>()),
      hunters_(std::make_unique<TfrmAnagrafica>()) {
    launcher_->setCardWindow(QStringLiteral("Anagrafica"), hunters_.get());
    QObject::connect(launcher_.get(), &TfrmAvvio::quitRequested, qApp, &QApplication::quit,
                     Qt::QueuedConnection);
    password_->setLauncher(launcher_.get());
    password_->setChangeWindow(changePassword_.get());
    QObject::connect(password_.get(), &TfrmPassword::quitRequested, qApp, &QApplication::quit,
                     Qt::QueuedConnection);
}

GuiApplication::~GuiApplication() = default;

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
    setUpItalian(app);
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/selvadoro.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("selvadoro"));

    QtMessages messages;
    QtDesktop desktop;
    QtAlertSound sound;
    QtPrinting printing;
    seams::setMessages(&messages);
    seams::setDesktop(&desktop);
    seams::setAlertSound(&sound);
    seams::setPrinting(&printing);

    int result;
    {
        GuiApplication windows;
        windows.start();
        result = QApplication::exec();
    }
    seams::setMessages(nullptr);
    seams::setDesktop(nullptr);
    seams::setAlertSound(nullptr);
    seams::setPrinting(nullptr);
    return result;
}
