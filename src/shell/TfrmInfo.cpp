#include "shell/TfrmInfo.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"
#include "shell/ProgramInfo.h"

TfrmInfo::TfrmInfo(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TfrmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Selvadoro"));
    makeFixedDialog(this, QSize(473, 579));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(titlePicture(this, "info", QStringLiteral("Informazioni sul programma")));

    auto* logo = iconPicture(this, QStringLiteral("imgProgramma"), "selvadoro", 96);
    layout->addWidget(logo, 0, Qt::AlignHCenter);

    auto* details = new QLabel(this);
    details->setObjectName(QStringLiteral("lblProgramma"));
    details->setAlignment(Qt::AlignCenter);
    details->setWordWrap(true);
    details->setTextFormat(Qt::RichText);
    details->setText(
        QStringLiteral("<p><span style=\"font-size: 20pt; font-weight: bold; color: #2d5f96;\">"
                       "%1</span><br>Versione %2</p>"
                       "<p>%3</p>"
                       "<p>%4<br>Tutti i diritti riservati.</p>"
                       "<p>Realizzato con le librerie Qt %5, distribuite con licenza GNU LGPL "
                       "versione 3. Icone del Tango Desktop Project (pubblico dominio).</p>"
                       "<p>Per informazioni e assistenza scrivere a:</p>")
            .arg(programinfo::name().toHtmlEscaped(), programinfo::version().toHtmlEscaped(),
                 programinfo::description().toHtmlEscaped(),
                 programinfo::makerNotice().toHtmlEscaped(), QString::fromLatin1(qVersion())));
    layout->addWidget(details);

    layout->addStretch(1);

    auto* link = new QHBoxLayout;
    QLabel* imgEmail = iconPicture(this, QStringLiteral("imgEmail"), "email", 24);
    auto* lnkWeb = new QLabel(programinfo::makerEmail(), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    QFont linkFont = lnkWeb->font();
    linkFont.setPointSize(12);
    lnkWeb->setFont(linkFont);
    makeLink(lnkWeb, imgEmail,
             [] { seams::desktop().shellOpen(u'"' + programinfo::makerMailto() + u'"'); });
    link->addStretch(1);
    link->addWidget(imgEmail);
    link->addWidget(lnkWeb);
    link->addStretch(1);
    layout->addLayout(link);

    // The data folder in use: beside a portable program, in the documents
    // of an installed one, or the one named at start.
    auto* lblCartellaDati = new QLabel(QStringLiteral("Cartella dei dati:"), this);
    lblCartellaDati->setObjectName(QStringLiteral("lblCartellaDati"));
    auto* txtCartellaDati = new QLineEdit(QDir::toNativeSeparators(paths::dataFolder()), this);
    txtCartellaDati->setObjectName(QStringLiteral("txtCartellaDati"));
    txtCartellaDati->setReadOnly(true);
    txtCartellaDati->setCursorPosition(0);
    lblCartellaDati->setBuddy(txtCartellaDati);
    layout->addWidget(lblCartellaDati);
    layout->addWidget(txtCartellaDati);
    layout->addStretch(1);

    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    layout->addWidget(btnChiudi, 0, Qt::AlignRight);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmInfo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) centreOnScreen(this);
}
