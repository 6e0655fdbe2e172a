#include "archive/SummaryWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "archive/GuiListActions.h"
#include "archive/RecordListWidget.h"
#include "base/GuiShell.h"
#include "base/Paths.h"
#include "base/Seams.h"

SummaryWindow::SummaryWindow(const SummaryDefinition& definition, QWidget* parent)
    : QDialog(parent), definition_(definition) {
    setObjectName(QString::fromLatin1(definition.windowName));
    setWindowTitle(definition.caption);
    makeFixedDialog(this, QSize(1000, 560));

    auto* layout = new QVBoxLayout(this);
    auto* header = new QVBoxLayout;
    auto* imgLogo = new QLabel(definition.printTitle, this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setStyleSheet(QStringLiteral("font: bold 13pt; color: #2d5f96;"));
    auto* icoIstruzioni = new QLabel(
        QStringLiteral("Per cercare una voce nell'elenco scrivere il testo e premere Trova."),
        this);
    icoIstruzioni->setObjectName(QStringLiteral("icoIstruzioni"));
    header->addWidget(imgLogo);
    header->addWidget(icoIstruzioni);
    layout->addLayout(header);

    list_ = new RecordListWidget(this);
    list_->setPrintTitle(definition.printTitle);
    layout->addWidget(list_, 1);

    connect(list_->closeButton(), &QPushButton::clicked, this, &SummaryWindow::reject);
    connect(list_, &RecordListWidget::lineChosen, this, &SummaryWindow::openChosen);
}

void SummaryWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    centreOnScreen(this);
    build();
}

void SummaryWindow::build() {
    list_->resetFind();
    const ListResult result = definition_.build(
        paths::dataFile(QString::fromLatin1(definition_.layout->fileName)), seams::clock().today());
    list_->setLines(result.lines);
    list_->findBox()->setFocus();
}

void SummaryWindow::openChosen() {
    const qsizetype index = list_->selectedIndex();
    if (index >= 0) {
        const auto found = recordForLine(
            *definition_.layout, paths::dataFile(QString::fromLatin1(definition_.layout->fileName)),
            list_->lines().at(index), definition_.itemText);
        if (found) applyChosenRecord(loadIntoCard(definition_.cardWindow), *found);
    }
    accept();
}

void SummaryWindow::done(int result) {
    list_->clear();
    QDialog::done(result);
}
