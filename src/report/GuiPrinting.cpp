#include "report/GuiPrinting.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/Report.h"

namespace {

// The pages the user asked for in the print dialog, or all of them.
report::PreparedReport chosenPages(const report::PreparedReport& prepared,
                                   const QPrinter& printer) {
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() <= 0) return prepared;
    const qsizetype last = printer.toPage() > 0
                               ? qMin<qsizetype>(printer.toPage(), prepared.pages.size())
                               : prepared.pages.size();
    report::PreparedReport chosen;
    for (qsizetype page = printer.fromPage(); page <= last; ++page) {
        chosen.pages.append(prepared.pages.at(page - 1));
    }
    return chosen;
}

// Positions are measured from the corner of the paper, and the dialogs
// open on the paper of the first page.
void setUpPrinter(QPrinter& printer, const report::PreparedReport& prepared) {
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Selvadoro"));
    if (prepared.pages.isEmpty()) return;
    const report::PreparedPage& first = prepared.pages.first();
    QPageLayout layout(first.size, first.orientation, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    printer.setPageLayout(layout);
}

bool printOn(QPrinter& printer, const report::PreparedReport& prepared) {
    const report::PreparedReport chosen = chosenPages(prepared, printer);
    return chosen.pages.isEmpty() || report::render(chosen, printer);
}

void reportFailure() {
    seams::messages().error(QStringLiteral(
        "Attenzione: non è stato possibile stampare il documento.\n\r\n\rAccertarsi che la "
        "stampante sia accesa e collegata, quindi riprovare."));
}

}  // namespace

void QtPrinting::preview(const report::PreparedReport& prepared) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, prepared);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    bool failed = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* target) { failed = !printOn(*target, prepared) || failed; });
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
    if (failed) reportFailure();
}

void QtPrinting::print(const report::PreparedReport& prepared) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, prepared);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral(" Stampa"));
    dialog.setMinMax(1, int(prepared.pages.size()));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printOn(printer, prepared)) reportFailure();
}
