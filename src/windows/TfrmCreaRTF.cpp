#include "windows/TfrmCreaRTF.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Seams.h"
#include "windows/CardWindow.h"

TfrmCreaRTF::TfrmCreaRTF(CardWindow* card, const RtfDocument& document)
    : QDialog(card), card_(card), document_(document) {
    setObjectName(QStringLiteral("TfrmCreaRTF"));
    setWindowTitle(QStringLiteral(" Esporta scheda in RTF"));

    auto* layout = new QVBoxLayout(this);
    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("shpRiquadro"));
    box->setStyleSheet(
        QStringLiteral("QFrame#shpRiquadro { background: white; border: 1px solid #9bb7d4; }"));
    auto* content = new QVBoxLayout(box);
    content->setContentsMargins(16, 12, 16, 12);
    content->setSpacing(10);
    content->addWidget(
        titlePicture(box, "stampa", QStringLiteral("Esporta scheda in formato RTF")));
    const auto paragraph = [box](const char* name, const QString& text) {
        auto* label = new QLabel(text, box);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        label->setStyleSheet(QStringLiteral("border: none;"));
        return label;
    };
    content->addWidget(paragraph(
        "lblIstruzioni",
        QStringLiteral(
            "Fare clic sul pulsante in calce per esportare la scheda in un documento RTF.")));
    auto* bar = new QFrame(box);
    bar->setObjectName(QStringLiteral("shpSeparatore"));
    bar->setFrameShape(QFrame::HLine);
    content->addWidget(bar);
    content->addWidget(
        paragraph("lblPersonalizza",
                  QStringLiteral("Il testo del documento potrà quindi essere "
                                 "personalizzato prima di procedere alla stampa su carta.")));
    layout->addWidget(box);

    const QList<QPushButton*> buttons =
        addButtonRow(this, layout,
                     {{"btnAnnulla", QStringLiteral("Annulla")},
                      {"btnStampa", QStringLiteral("Esporta e stampa")}},
                     ButtonRow::Apart);
    buttons.at(1)->setDefault(true);
    makeFixedDialog(this, sizeHint().expandedTo(QSize(420, 0)));

    connect(buttons.at(0), &QPushButton::clicked, this, &TfrmCreaRTF::reject);
    connect(buttons.at(1), &QPushButton::clicked, this, &TfrmCreaRTF::exportCard);
}

void TfrmCreaRTF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) centreOver(this, parentWidget());
}

void TfrmCreaRTF::exportCard() {
    if (lblMemory != QLatin1String(document_.tag)) return;
    if (!seams::messages().confirm(rtf::confirmExport())) return accept();
    const QString path = rtf::pathOf(document_);
    const auto textOf = [this](const QString& control) { return card_->controlText(control); };
    if (!rtf::write(document_, textOf, path)) {
        seams::messages().plain(rtf::writeFailed());
        return accept();
    }
    if (seams::messages().confirm(rtf::confirmOpen())) {
        seams::desktop().shellOpen(u'"' + QDir::toNativeSeparators(path) + u'"');
    }
    accept();
}

void TfrmCreaRTF::showFor(CardWindow* card, const RtfDocument& document) {
    TfrmCreaRTF window(card, document);
    window.setMemory(QString::fromLatin1(document.tag));
    window.exec();
}
