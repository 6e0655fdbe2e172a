#include "mailing/TfrmAssociazione.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Paths.h"
#include "base/Seams.h"
#include "mailing/MailingHelp.h"
#include "mailing/MailingSettings.h"
#include "shell/TfrmGuida.h"

namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& text, int length) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(length);
    return edit;
}

QPlainTextEdit* textEdit(QWidget* parent, const char* name, const QString& text, int lines) {
    auto* edit = new QPlainTextEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + 12);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

TfrmAssociazione::TfrmAssociazione(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmAssociazione"));
    setWindowTitle(QStringLiteral(" Associazione"));
    const mailing::Association kept = mailing::association();
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Questi dati formano l'intestazione di lettere, tessere e ricevute; "
                       "l'indirizzo e-mail è il mittente dei messaggi .eml."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    txtNome_ = lineEdit(this, "txtNome", kept.name, 120);
    form->addRow(QStringLiteral("Nome dell'associazione:"), txtNome_);
    txtIndirizzo_ = textEdit(this, "txtIndirizzo", kept.address, 2);
    form->addRow(QStringLiteral("Indirizzo (via, CAP e comune):"), txtIndirizzo_);
    txtCodiceFiscale_ = lineEdit(this, "txtCodiceFiscale", kept.fiscalCode, 16);
    form->addRow(QStringLiteral("Codice fiscale:"), txtCodiceFiscale_);
    txtTelefono_ = lineEdit(this, "txtTelefono", kept.phone, 50);
    form->addRow(QStringLiteral("Telefono:"), txtTelefono_);
    txtEmail_ = lineEdit(this, "txtEmail", kept.email, 120);
    form->addRow(QStringLiteral("E-mail (mittente dei messaggi):"), txtEmail_);
    txtLuogo_ = lineEdit(this, "txtLuogo", kept.place, 50);
    txtLuogo_->setPlaceholderText(QStringLiteral("per esempio Prato"));
    form->addRow(QStringLiteral("Luogo scritto prima della data:"), txtLuogo_);
    txtFirma_ = textEdit(this, "txtFirma", kept.signature, 2);
    txtFirma_->setPlaceholderText(QStringLiteral("per esempio Il Presidente\nMario Rossi"));
    form->addRow(QStringLiteral("Firma di lettere e ricevute:"), txtFirma_);
    auto* logoRow = new QHBoxLayout;
    txtLogo_ = lineEdit(this, "txtLogo", kept.logo, 1000);
    QPushButton* browse = button(this, "btnSfoglia", QStringLiteral("Sfoglia..."));
    connect(browse, &QPushButton::clicked, this, &TfrmAssociazione::browseLogo);
    logoRow->addWidget(txtLogo_, 1);
    logoRow->addWidget(browse);
    form->addRow(QStringLiteral("Logo (immagine):"), logoRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* salva = button(this, "btnSalva", QStringLiteral("Salva"));
    QPushButton* guida = button(this, "btnGuida", QStringLiteral("Guida"));
    QPushButton* annulla = button(this, "btnAnnulla", QStringLiteral("Annulla"));
    salva->setDefault(true);
    for (QPushButton* b : {salva, guida, annulla}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(salva, &QPushButton::clicked, this, [this] {
        if (save()) accept();
    });
    connect(guida, &QPushButton::clicked, this,
            [this] { showHelpTopic(this, mailing::helpTopic()); });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, sizeHint().height());
}

void TfrmAssociazione::browseLogo() {
    const QString file =
        seams::desktop().openFileName(QStringLiteral("Logo dell'associazione"), paths::dataFolder(),
                                      QStringLiteral("Immagini (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (!file.isEmpty()) txtLogo_->setText(file);
}

bool TfrmAssociazione::save() {
    mailing::Association association = mailing::association();
    association.name = txtNome_->text().trimmed();
    association.address = txtIndirizzo_->toPlainText().trimmed();
    association.fiscalCode = txtCodiceFiscale_->text().trimmed().toUpper();
    association.phone = txtTelefono_->text().trimmed();
    association.email = txtEmail_->text().trimmed();
    association.place = txtLuogo_->text().trimmed();
    association.signature = txtFirma_->toPlainText().trimmed();
    association.logo = txtLogo_->text().trimmed();
    const mailing::AssociationProblem problem = mailing::problemOf(association);
    if (!problem.message.isEmpty()) {
        seams::messages().warning(problem.message);
        QWidget* fields[] = {txtNome_, txtCodiceFiscale_, txtEmail_};
        fields[int(problem.field)]->setFocus();
        return false;
    }
    mailing::setAssociation(association);
    return true;
}
