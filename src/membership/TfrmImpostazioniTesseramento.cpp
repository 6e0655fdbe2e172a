#include "membership/TfrmImpostazioniTesseramento.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "membership/MembershipSettings.h"

TfrmImpostazioniTesseramento::TfrmImpostazioniTesseramento(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmImpostazioniTesseramento"));
    setWindowTitle(QStringLiteral(" Impostazioni del tesseramento"));
    const membership::Settings settings = membership::settingsNow();
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto edit = [this](const char* name, const QString& text) {
        auto* field = new QLineEdit(text, this);
        field->setObjectName(QString::fromLatin1(name));
        return field;
    };
    txtQuote_ = new QPlainTextEdit(membership::feesText(settings), this);
    txtQuote_->setObjectName(QStringLiteral("txtQuote"));
    txtQuote_->setTabChangesFocus(true);
    txtSoglia_ = edit("txtSoglia", settings.stampThreshold);
    txtInizio_ = edit("txtInizio",
                      membership::dayMonthText(settings.seasonStartDay, settings.seasonStartMonth));
    txtPromemoria_ = edit("txtPromemoria",
                          membership::dayMonthText(settings.reminderDay, settings.reminderMonth));
    form->addRow(QStringLiteral("Tipi di quota e importi predefiniti\n(uno per riga: "
                                "ordinaria=84,00):"),
                 txtQuote_);
    form->addRow(QStringLiteral("Marca da bollo sulle ricevute oltre (euro):"), txtSoglia_);
    form->addRow(QStringLiteral("Primo giorno della stagione (gg/mm):"), txtInizio_);
    form->addRow(QStringLiteral("Promemoria delle quote da pagare dal (gg/mm):"), txtPromemoria_);
    outer->addLayout(form);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    connect(ok, &QPushButton::clicked, this, [this] {
        if (store()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    makeFixedDialog(this, QSize(620, 360));
}

bool TfrmImpostazioniTesseramento::store() {
    QString error;
    const auto settings =
        membership::settingsFromTexts(txtQuote_->toPlainText(), txtSoglia_->text(),
                                      txtInizio_->text(), txtPromemoria_->text(), &error);
    if (!settings) {
        seams::messages().warning(QStringLiteral("Attenzione: ") + error);
        return false;
    }
    membership::setSettings(*settings);
    return true;
}
