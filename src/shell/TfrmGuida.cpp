#include "shell/TfrmGuida.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"

TfrmGuida::TfrmGuida(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TfrmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    makeFixedDialog(this, QSize(676, 598));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(
        titlePicture(this, "guida", QStringLiteral("Guida all'utilizzo del software")));

    lblTitolo_ = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo_->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo_->setStyleSheet(QStringLiteral("color: #dc143c; font: bold 14pt;"));
    // A long topic title goes on to a second line rather than past the edge.
    lblTitolo_->setWordWrap(true);
    layout->addWidget(lblTitolo_);

    txtGuida_ = new QPlainTextEdit(this);
    txtGuida_->setObjectName(QStringLiteral("txtGuida"));
    txtGuida_->setReadOnly(true);
    txtGuida_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont memoFont;
    memoFont.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    memoFont.setPointSize(12);
    memoFont.setBold(true);
    txtGuida_->setFont(memoFont);
    layout->addWidget(txtGuida_, 1);

    QLabel* lnkWeb = addLinkAndCloseRow(
        this, layout, QStringLiteral("imgPDF"), "pdf", 32,
        QStringLiteral("Visualizza guida in formato PDF"),
        [] { seams::desktop().shellOpen(u'"' + QDir::toNativeSeparators(pdfPath()) + u'"'); });
    QFont linkFont;
    linkFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    linkFont.setPointSize(14);
    lnkWeb->setFont(linkFont);
}

void TfrmGuida::setTopic(const HelpTopic& topic) {
    lblTitolo_->setText(topic.title);
    txtGuida_->setPlainText(topic.text());
}

QString TfrmGuida::pdfPath() {
    return paths::deliveredFile(QStringLiteral("Guida.pdf"));
}

void TfrmGuida::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) centreOnScreen(this);
}

void showHelpTopic(QWidget* owner, const HelpTopic& topic) {
    TfrmGuida guide(owner);
    guide.setTopic(topic);
    guide.exec();
}
