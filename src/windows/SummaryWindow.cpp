#include "windows/SummaryWindow.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "base/Seams.h"
#include "lists/RecordListWidget.h"
#include "mailing/GuiMailing.h"
#include "records/ArchiveMessages.h"
#include "records/RecordFile.h"
#include "windows/GuiListActions.h"

SummaryWindow::SummaryWindow(const SummaryDefinition& definition, QWidget* parent,
                             const QString& archive)
    : QDialog(parent),
      definition_(definition),
      archive_(archive.isEmpty() ? archivePath(*definition.layout) : archive) {
    const ListStyle& style = definition.style;
    frameListWindow(this, definition.windowName, definition.caption,
                    style.windowSize.isEmpty() ? QSize(1000, 560) : style.windowSize, [this] {
                        // Read by exec(): the find box takes the focus now.
                        if (opening_.onShown()) list_->findBox()->setFocus();
                    });

    auto* layout = new QVBoxLayout(this);
    addListHeading(
        this, layout, definition.printTitle, 13,
        style.findInstruction.isEmpty()
            ? QStringLiteral("Per cercare una voce nell'elenco scrivere il testo e premere Trova.")
            : style.findInstruction);
    list_ = addRecordList(this, this, layout, definition.printTitle, [this] { openChosen(); });
    list_->setFolding(style.folding);
    if (style.redHint) list_->setRedHint();
    mailing::addListButtons(this, list_, *definition.layout, archive_);
}

bool SummaryWindow::build() {
    list_->resetFind();
    list_->clear();
    ProgressScope progress(QStringLiteral("Lettura dell'archivio in corso..."));
    ListResult result = definition_.build(archive_, seams::clock().today(), progress.callback());
    progress.end();
    if (result.cancelled) return false;
    list_->setLines(std::move(result.lines));
    list_->findBox()->setFocus();
    // The lines read so far stay; the list is never passed off as whole.
    if (!result.ok) seams::messages().plain(archivemsg::accessError());
    return true;
}

int SummaryWindow::exec() {
    return opening_.beforeExec() ? QDialog::exec() : int(QDialog::Rejected);
}

void SummaryWindow::openChosen() {
    if (keepChosen_) {
        const qsizetype index = list_->selectedIndex();
        if (index >= 0) {
            chosen_ = recordForLine(*definition_.layout, archive_, list_->lines().at(index),
                                    definition_.itemText);
        }
    } else {
        const PickerMode load = loadIntoCard(definition_.cardWindow);
        applyChosenLine(*list_, *definition_.layout, archive_, definition_.itemText, &load);
    }
    accept();
}

void SummaryWindow::done(int result) {
    list_->clear();
    QDialog::done(result);
}
