#include "shell/TfrmPassword.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "shell/AccessPassword.h"
#include "shell/TfrmCambiaPassword.h"

namespace {

const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si "
    "consiglia di reinstallare il software.");

// The picture at the top: a padlock, the heading, the invitation and, in
// red, the first-access password.
QWidget* passwordPicture(QWidget* parent) {
    auto* picture = new QFrame(parent);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setStyleSheet(QStringLiteral(
        "QFrame#imgLogo { background: white; border: 1px solid #8fb8e0; border-radius: 6px; }"
        "QLabel { border: none; background: transparent; }"));
    auto* row = new QHBoxLayout(picture);
    row->setContentsMargins(12, 10, 12, 10);
    row->setSpacing(12);
    row->addWidget(iconPicture(picture, QStringLiteral("imgLucchetto"), "lucchetto", 64), 0,
                   Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Password"), picture);
    heading->setStyleSheet(QStringLiteral("font: bold 20pt; color: #2d5f96;"));
    auto* invitation = new QLabel(
        QStringLiteral("Proteggi l'accesso a Selvadoro con una password a tua scelta."), picture);
    invitation->setWordWrap(true);
    auto* first = new QLabel(QStringLiteral("Per il primo accesso utilizza la password %1")
                                 .arg(accesspassword::firstAccessPassword()),
                             picture);
    first->setObjectName(QStringLiteral("lblPrimoAccesso"));
    first->setWordWrap(true);
    first->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    texts->addWidget(heading);
    texts->addWidget(invitation);
    texts->addWidget(first);
    row->addLayout(texts, 1);
    return picture;
}

}  // namespace

TfrmPassword::TfrmPassword(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TfrmPassword"));
    setWindowTitle(QStringLiteral(" Selvadoro - Autenticazione"));
    makeFixedDialog(this, QSize(388, 405));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(12);
    layout->addWidget(passwordPicture(this));
    layout->addStretch(1);

    auto* prompt = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    layout->addWidget(prompt);
    txtPassword_ = new QLineEdit(this);
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    txtPassword_->setEchoMode(QLineEdit::Password);
    prompt->setBuddy(txtPassword_);
    layout->addWidget(txtPassword_);
    addFocusHighlight(txtPassword_, QStringLiteral("effPassword"));
    layout->addStretch(1);

    const QList<QPushButton*> buttons = addButtonRow(
        this, layout, {{"cmdOK", QStringLiteral("OK")}, {"cmdEsci", QStringLiteral("Esci")}},
        ButtonRow::Shared);
    cmdOK_ = buttons.at(0);
    cmdOK_->setEnabled(false);
    QPushButton* cmdEsci = buttons.at(1);
    auto* btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    layout->addWidget(btnCambiaPassword);

    connect(txtPassword_, &QLineEdit::textChanged, this, &TfrmPassword::updateOk);
    connect(txtPassword_, &QLineEdit::returnPressed, this, [this] {
        if (!txtPassword_->text().trimmed().isEmpty()) ok();
    });
    connect(cmdOK_, &QPushButton::clicked, this, &TfrmPassword::ok);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::close);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::changePassword);
}

void TfrmPassword::setLauncher(QWidget* launcher) {
    setLauncher(std::function<QWidget*()>([launcher] { return launcher; }));
}

void TfrmPassword::setLauncher(std::function<QWidget*()> launcher) {
    launcher_ = std::move(launcher);
}

void TfrmPassword::setChangeWindow(TfrmCambiaPassword* window) {
    setChangeWindow(std::function<TfrmCambiaPassword*()>([window] { return window; }));
    if (window) comeBackWhenClosed(window);
}

void TfrmPassword::setChangeWindow(std::function<TfrmCambiaPassword*()> window) {
    change_ = std::move(window);
}

void TfrmPassword::updateOk() {
    cmdOK_->setEnabled(!txtPassword_->text().trimmed().isEmpty());
}

void TfrmPassword::ok() {
    const std::optional<QString> stored = accesspassword::readStoredPassword();
    if (!stored) {
        seams::messages().plain(kReadError);
        return;
    }
    if (accesspassword::matches(*stored, txtPassword_->text())) {
        txtPassword_->clear();
        if (QWidget* launcher = launcher_ ? launcher_() : nullptr) launcher->showMaximized();
        hide();
        return;
    }
    seams::messages().plain(kWrongPassword);
    txtPassword_->clear();
    txtPassword_->setFocus();
}

void TfrmPassword::changePassword() {
    TfrmCambiaPassword* change = change_ ? change_() : nullptr;
    if (!change) return;
    comeBackWhenClosed(change);
    change->show();
    hide();
}

void TfrmPassword::comeBackWhenClosed(TfrmCambiaPassword* change) {
    connect(change, &TfrmCambiaPassword::closed, this, &TfrmPassword::comeBack,
            Qt::UniqueConnection);
}

void TfrmPassword::comeBack() {
    txtPassword_->clear();
    show();
    activateWindow();
    txtPassword_->setFocus();
}

void TfrmPassword::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) centreOnScreen(this);
    txtPassword_->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT quitRequested();
}
