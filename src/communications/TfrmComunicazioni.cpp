#include "communications/TfrmComunicazioni.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <array>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "communications/CommunicationCard.h"
#include "communications/CommunicationHelp.h"
#include "communications/CommunicationLists.h"
#include "communications/CommunicationMail.h"
#include "communications/CommunicationsArchive.h"
#include "communications/TRecComunicazione.h"
#include "mailing/GuiMailing.h"
#include "records/FieldRules.h"
#include "teams/TeamLists.h"

namespace {

using F = TRecComunicazione::Field;

CardDefinition communicationCard() {
    return CardDefinition{
        .windowName = "TfrmComunicazioni",
        .tag = "comunicazioni",
        .caption = QStringLiteral(" Selvadoro - Invio Comunicazioni"),
        .layout = &TRecComunicazione::layout(),
        .fields = communications::cardRules().fields,
        .plainAccessErrorOnSave = true,
        .check = communications::cardRules().check,
    };
}

}  // namespace

TfrmComunicazioni::TfrmComunicazioni(QWidget* parent) : CardWindow(communicationCard(), parent) {
    addToolGroup({newTool(), duplicateTool(), saveTool(), findTool(communications::search())});
    addToolGroup({attachTool(), rtfTool(communications::rtfCard())});
    addNavigationGroup();
    addToolGroup(
        {exportTool(communications::exporter()),
         summaryTool("cmdSegnalate", "segnalate",
                     QStringLiteral("Visualizza il riepilogo delle comunicazioni segnalate."),
                     communications::flaggedSummary())});
    addToolGroup({guideTool(communications::cardTopic()), exitTool()});

    addPickerButton("impSquadra",
                    QStringLiteral("Importa i dati dall'archivio delle squadre di caccia."),
                    teams::search(), communications::teamPicker());
    QToolButton* invio =
        addFieldButton({"btnInvio", "email",
                        QStringLiteral("Invia la comunicazione ai cacciatori tramite e-mail."),
                        [this] { send(); }});
    invio->setText(QStringLiteral("Invia Messaggio"));
    invio->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    invio->setFocusPolicy(Qt::StrongFocus);

    // One letter or e-mail per recipient, merged from the message.
    QToolButton* lettere = addFieldButton(
        {"btnLettere", "stampa",
         QStringLiteral("Prepara una lettera per ciascun cacciatore destinatario, con i campi del "
                        "messaggio tra parentesi graffe riempiti."),
         [this] { mailing::previewLetters(communications::archive(), cardValues()); }});
    lettere->setText(QStringLiteral("Lettere"));
    lettere->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QToolButton* posta = addFieldButton(
        {"btnPosta", "email",
         QStringLiteral("Scrive un messaggio e-mail (.eml) per ciascun cacciatore destinatario in "
                        "una cartella a scelta."),
         [this] { mailing::writeEmails(communications::archive(), cardValues()); }});
    posta->setText(QStringLiteral("E-mail"));
    posta->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The merge fields, put into the message where its cursor stands.
    QToolButton* campi = addFieldButton(
        {"btnCampi", "nuovo",
         QStringLiteral("Inserisce nel messaggio un campo tra parentesi graffe, che nelle lettere "
                        "e nelle e-mail diventa il dato di ciascun destinatario."),
         [] {}});
    campi->setText(QStringLiteral("Campi"));
    campi->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    mailing::addMergeFieldMenu(campi, communications::archive(), [this](const QString& field) {
        if (auto* text = qobject_cast<QPlainTextEdit*>(control(F::Messaggio))) {
            text->insertPlainText(field);
            text->setFocus();
        }
    });

    qobject_cast<QLineEdit*>(control(F::DataInvio))->setAlignment(Qt::AlignCenter);

    layOutColumns({{.rows = {
                        {F::Oggetto, F::Autore},
                        {F::Squadra,
                         LayoutButton{"impSquadra"},
                         F::Caposquadra,
                         {F::DataInvio, "00/00/0000"}},
                        {F::Note, LayoutBox{F::Segnala, "avviso"}},
                        {F::Cacciatori, F::Email},
                        {F::Messaggio},
                        {F::Riscontro, LayoutButton{"btnInvio"}, LayoutButton{"btnLettere"},
                         LayoutButton{"btnPosta"}, LayoutButton{"btnCampi"}},
                    }}});
    finishLayout();
    setTabOrder(control(F::Riscontro), invio);
    setTabOrder(invio, lettere);
    setTabOrder(lettere, posta);
    setTabOrder(posta, campi);
}

void TfrmComunicazioni::send() {
    const TRecComunicazione card = TRecComunicazione::fromValues(cardValues());
    if (const auto failed = communications::checkForSending(card)) {
        seams::messages().warning(failed->message);
        if (QWidget* w = control(failed->focusControl)) focusField(w);
        return;
    }
    using Kind = communications::MailPlan::Kind;
    const communications::MailPlan plan =
        communications::mailPlan(card.Email, card.Oggetto, card.Messaggio);
    if (plan.kind == Kind::TooLong) {
        seams::messages().warning(communications::tooManyRecipientsMessage());
        return;
    }
    if (plan.kind == Kind::WithoutBody) QGuiApplication::clipboard()->setText(plan.body);
    if (!seams::desktop().shellOpen(u'"' + plan.link + u'"')) {
        seams::messages().warning(communications::notOpenedMessage());
        return;
    }
    if (plan.kind == Kind::WithoutBody) {
        seams::messages().information(communications::bodyOnClipboardMessage());
    }
}
