#include "shell/TfrmCambiaPassword.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "shell/AccessPassword.h"

namespace {

const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
    "reinserire entrambi i valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si "
    "consiglia di reinstallare il software.");

}  // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TfrmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    makeFixedDialog(this, QSize(411, 418));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->addWidget(titlePicture(this, "lucchetto", QStringLiteral("Cambia password")));
    layout->addStretch(1);

    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setVerticalSpacing(14);
    txtPasswordOld_ =
        addPasswordEdit(grid, 0, QStringLiteral("Vecchia password:"),
                        QStringLiteral("txtPasswordOld"), QStringLiteral("effPasswordOld"));
    txtPasswordNew_ =
        addPasswordEdit(grid, 1, QStringLiteral("Nuova password:"),
                        QStringLiteral("txtPasswordNew"), QStringLiteral("effPasswordNew"));
    txtConferma_ = addPasswordEdit(grid, 2, QStringLiteral("Conferma nuova password:"),
                                   QStringLiteral("txtConferma"), QStringLiteral("effConferma"));
    layout->addWidget(fields);
    layout->addStretch(1);

    const QList<QPushButton*> buttons = addButtonRow(
        this, layout, {{"cmdOK", QStringLiteral("OK")}, {"cmdEsci", QStringLiteral("Chiudi")}},
        ButtonRow::Shared);
    cmdOK_ = buttons.at(0);
    cmdOK_->setEnabled(false);
    QPushButton* cmdEsci = buttons.at(1);

    // Enter goes round the three fields.
    const QList<QLineEdit*> order{txtPasswordOld_, txtPasswordNew_, txtConferma_};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QLineEdit* next = order.at((i + 1) % order.size());
        connect(order.at(i), &QLineEdit::returnPressed, next,
                [next] { next->setFocus(Qt::TabFocusReason); });
        connect(order.at(i), &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOk);
    }
    connect(cmdOK_, &QPushButton::clicked, this, &TfrmCambiaPassword::ok);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::close);
}

QLineEdit* TfrmCambiaPassword::addPasswordEdit(QGridLayout* grid, int row, const QString& label,
                                               const QString& name, const QString& highlight) {
    auto* edit = new QLineEdit(grid->parentWidget());
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    auto* caption = new QLabel(label, grid->parentWidget());
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    addFocusHighlight(edit, highlight);
    return edit;
}

void TfrmCambiaPassword::updateOk() {
    cmdOK_->setEnabled(!txtPasswordOld_->text().trimmed().isEmpty() &&
                       !txtPasswordNew_->text().trimmed().isEmpty() &&
                       !txtConferma_->text().trimmed().isEmpty());
}

void TfrmCambiaPassword::refuse(const QString& message, QLineEdit* focus,
                                std::initializer_list<QLineEdit*> clear) {
    seams::messages().plain(message);
    for (QLineEdit* edit : clear) edit->clear();
    focus->setFocus();
}

void TfrmCambiaPassword::ok() {
    const std::optional<QString> stored = accesspassword::readStoredPassword();
    if (!stored) {
        seams::messages().plain(kChangeError);
        return;
    }
    if (!accesspassword::matches(*stored, txtPasswordOld_->text())) {
        refuse(kWrongOld, txtPasswordOld_, {txtPasswordOld_});
        return;
    }
    // Letter case counts here, although both would be stored alike.
    if (txtPasswordNew_->text().trimmed() != txtConferma_->text().trimmed()) {
        refuse(kNotConfirmed, txtPasswordNew_, {txtPasswordNew_, txtConferma_});
        return;
    }
    const QString password = accesspassword::normalized(txtPasswordNew_->text());
    if (const std::optional<QString> problem = accesspassword::unsuitable(password)) {
        refuse(*problem, txtPasswordNew_, {txtPasswordNew_, txtConferma_});
        return;
    }
    if (!accesspassword::storePassword(password)) {
        seams::messages().plain(kChangeError);
        return;
    }
    seams::messages().plain(kChanged);
    close();
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    centreOnScreen(this);
    txtPasswordOld_->clear();
    txtPasswordNew_->clear();
    txtConferma_->clear();
    txtPasswordOld_->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT closed();
}
