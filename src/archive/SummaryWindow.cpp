#include "archive/SummaryWindow.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "archive/ArchiveMessages.h"
#include "archive/GuiListActions.h"
#include "archive/RecordFile.h"
#include "archive/RecordListWidget.h"
#include "base/Seams.h"

SummaryWindow::SummaryWindow(const SummaryDefinition& definition, QWidget* parent,
                             const QString& archive)
    : QDialog(parent),
      definition_(definition),
      archive_(archive.isEmpty() ? archivePath(*definition.layout) : archive) {
    const ListStyle& style = definition.style;
    frameListWindow(this, definition.windowName, definition.caption,
                    style.windowSize.isEmpty() ? QSize(1000, 560) : style.windowSize,
                    [this] { shown(); });

    auto* layout = new QVBoxLayout(this);
    addListHeading(
        this, layout, definition.printTitle, 13,
        style.findInstruction.isEmpty()
            ? QStringLiteral("Per cercare una voce nell'elenco scrivere il testo e premere Trova.")
            : style.findInstruction);
    list_ = addRecordList(this, this, layout, definition.printTitle, [this] { openChosen(); });
    list_->setFolding(style.folding);
    if (style.redHint) list_->setRedHint();
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
    if (!build()) return QDialog::Rejected;
    built_ = true;
    return QDialog::exec();
}

void SummaryWindow::shown() {
    if (std::exchange(built_, false)) {
        list_->findBox()->setFocus();
    } else if (!build()) {
        // Shown without exec() and stopped: the window closes, empty.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    }
}

void SummaryWindow::openChosen() {
    const PickerMode load = loadIntoCard(definition_.cardWindow);
    applyChosenLine(*list_, *definition_.layout, archive_, definition_.itemText, &load);
    accept();
}

void SummaryWindow::done(int result) {
    list_->clear();
    QDialog::done(result);
}
