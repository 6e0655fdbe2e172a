#include "report/GuiPrinting.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryFile>

#include "base/ReplaceFile.h"
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

enum class Outcome { Printed, Cancelled, Failed };

// Draws the pages on the printer with their progress. When the user stops
// it, a print job the printing system can still withdraw is withdrawn
// (`withdraw`: a printer's, not a preview's).
Outcome draw(QPrinter& printer, const report::PreparedReport& pages, const QString& label,
             bool withdraw) {
    ProgressScope progress(label);
    const bool drawn = report::render(pages, printer, [&](qint64 done, qint64 total) {
        if (progress.advance(done, total)) return true;
        if (withdraw) printer.abort();
        return false;
    });
    progress.end();
    if (progress.cancelled()) return Outcome::Cancelled;
    return drawn ? Outcome::Printed : Outcome::Failed;
}

// A PDF file chosen in the print dialog is drawn into a temporary file
// beside it, which replaces it only once the whole document is drawn: a
// print the user stops, or one that fails, leaves the earlier file as it
// was, and the temporary file goes.
Outcome drawFile(QPrinter& printer, const report::PreparedReport& pages) {
    const QString target = printer.outputFileName();
    QTemporaryFile drawing(target + QStringLiteral(".XXXXXX"));
    if (!drawing.open()) return Outcome::Failed;
    drawing.close();  // the printer writes it by its name
    printer.setOutputFileName(drawing.fileName());
    const Outcome outcome = draw(printer, pages, QStringLiteral("Stampa in corso..."), false);
    printer.setOutputFileName(target);
    if (outcome != Outcome::Printed) return outcome;
    QFile drawn(drawing.fileName());
    if (!drawn.open(QIODevice::ReadOnly)) return Outcome::Failed;
    const QByteArray bytes = drawn.readAll();
    drawn.close();
    return !bytes.isEmpty() && replaceFile(target, bytes) ? Outcome::Printed : Outcome::Failed;
}

// Draws the pages the user chose: on the preview, in a file or on paper.
Outcome printOn(QPrinter& printer, const report::PreparedReport& prepared) {
    const report::PreparedReport chosen = chosenPages(prepared, printer);
    if (chosen.pages.isEmpty()) return Outcome::Printed;
    // The preview records the pages in pictures.
    if (printer.paintEngine() && printer.paintEngine()->type() == QPaintEngine::Picture) {
        return draw(printer, chosen, QStringLiteral("Preparazione dell'anteprima in corso..."),
                    false);
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return drawFile(printer, chosen);
    }
    return draw(printer, chosen, QStringLiteral("Stampa in corso..."), true);
}

// A PDF written from the print dialog says where it is.
void reportSaved(const QPrinter& printer) {
    seams::messages().information(QStringLiteral("Il documento PDF è stato salvato in:\n") +
                                  QDir::toNativeSeparators(printer.outputFileName()));
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
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        const Outcome outcome = printOn(*target, prepared);
        failed = outcome == Outcome::Failed || failed;
        // A preview the user stops closes without showing half a document.
        if (outcome == Outcome::Cancelled) {
            QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
        }
    });
    // Large and fit to the width of the page, whatever the window manager
    // makes of the maximized state: never a small window at a tiny zoom.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(qMax(room.width() * 3 / 4, room.width() / 2),
                      qMax(room.height() * 9 / 10, room.height() / 2));
        dialog.move(room.center() - dialog.rect().center());
    }
    if (auto* pages = dialog.findChild<QPrintPreviewWidget*>()) {
        pages->setZoomMode(QPrintPreviewWidget::FitToWidth);
    }
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
    const Outcome outcome = printOn(printer, prepared);
    if (outcome == Outcome::Failed) reportFailure();
    if (outcome == Outcome::Printed && printer.outputFormat() == QPrinter::PdfFormat &&
        !printer.outputFileName().isEmpty()) {
        reportSaved(printer);
    }
}
