#include "report/GuiPrinting.h"

#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>

#include "report/ListReport.h"
#include "support/Fixtures.h"
#include "support/PdfText.h"

namespace {

class QtPrintingTest : public DataFolderTest {
protected:
    report::PreparedReport threePages() const {
        QStringList lines;
        for (int i = 1; i <= 120; ++i) lines.append(QStringLiteral("Riga %1").arg(i));
        return report::prepare(report::listReport(QStringLiteral("Elenco"), lines),
                               QDate(2024, 3, 7));
    }
    QtPrinting printing;
};

TEST_F(QtPrintingTest, PreviewShowsEveryPreparedPage) {
    const report::PreparedReport prepared = threePages();
    ASSERT_EQ(prepared.pages.size(), 3);
    QString title;
    int shownPages = -1;
    whenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* view = modal->findChild<QPrintPreviewWidget*>()) shownPages = view->pageCount();
        modal->close();
    });
    printing.preview(prepared);
    EXPECT_EQ(title, QStringLiteral(" Anteprima di stampa"));
    EXPECT_EQ(shownPages, 3);
    EXPECT_TRUE(messages().shown.isEmpty());
}

TEST_F(QtPrintingTest, PrintDialogOffersThePagesAndPrintsNothingWhenCancelled) {
    int from = -1, to = -1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    whenModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
            from = dialog->minPage();
            to = dialog->maxPage();
            orientation = dialog->printer()->pageLayout().orientation();
        }
        modal->close();
    });
    printing.print(threePages());
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 3);
    EXPECT_EQ(orientation, QPageLayout::Landscape);
    EXPECT_TRUE(messages().shown.isEmpty());
}

// The print dialog, once it opens, prints to `file` (with whatever else
// `choose` sets in it).
void printsToFileWhenModal(const QString& file, std::function<void(QWidget*)> choose = nullptr) {
    whenModal([file, choose](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!dialog || !name) {
            modal->close();
            return;
        }
        name->setText(file);
        if (choose) choose(modal);
        dialog->accept();
    });
}

// With no printer on the test machine the dialog prints to a PDF file.
TEST_F(QtPrintingTest, PrintsTheChosenPagesThroughTheDialog) {
    const QString file = dataPath(QStringLiteral("stampa.pdf"));
    printsToFileWhenModal(file, [](QWidget* modal) {
        // Pages 2 to 3, as the user sets them in the dialog.
        auto* range = modal->findChild<QRadioButton*>(QStringLiteral("printRange"));
        auto* from = modal->findChild<QSpinBox*>(QStringLiteral("from"));
        auto* to = modal->findChild<QSpinBox*>(QStringLiteral("to"));
        if (range && from && to) {
            range->setChecked(true);
            to->setValue(3);
            from->setValue(2);
        }
    });
    printing.print(threePages());
    EXPECT_EQ(pdfPageCount(file), 2);
    EXPECT_TRUE(pdfText(file, 1).contains(QStringLiteral("Riga 60")));
    // The PDF written says where it is, and nothing else is said.
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Il documento PDF è stato salvato in:\n") +
                          QDir::toNativeSeparators(file)});
}

// A PDF file chosen in the print dialog is replaced only by a whole
// document: a print the user cancels while its pages are drawn leaves the
// earlier file as it was, with no temporary file beside it, and no message.
struct PdfPrint {
    const char* name;
    int cancelAtPage;  // the advance of the drawing at which the user cancels; 0: never
};

class QtPrintingToFile : public QtPrintingTest, public ::testing::WithParamInterface<PdfPrint> {};

TEST_P(QtPrintingToFile, ReplacesTheEarlierFileOnlyWithAWholeDocument) {
    const QString drawing = QStringLiteral("Stampa in corso...");
    const QByteArray earlier = "%PDF-1.4 stampa precedente";
    writeFile(QStringLiteral("stampa.pdf"), earlier);
    const QString file = dataPath(QStringLiteral("stampa.pdf"));
    printsToFileWhenModal(file);
    progress().cancelAt(GetParam().cancelAtPage, drawing);
    printing.print(threePages());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("stampa.pdf")});
    // A whole PDF says where it is; a cancelled one says nothing.
    const QStringList said = messages().take();
    if (GetParam().cancelAtPage > 0) {
        EXPECT_TRUE(said.isEmpty()) << qPrintable(said.join(u'\n'));
    } else {
        EXPECT_EQ(said, QStringList{QStringLiteral("Il documento PDF è stato salvato in:\n") +
                                    QDir::toNativeSeparators(file)});
    }
    EXPECT_EQ(progress().begun, QStringList{drawing});
    EXPECT_EQ(progress().ends, 1);
    if (GetParam().cancelAtPage > 0) {
        EXPECT_EQ(progress().cancelledWork, drawing);
        EXPECT_EQ(readFile(QStringLiteral("stampa.pdf")), earlier);
    } else {
        EXPECT_EQ(progress().steps.size(), 3);
        EXPECT_EQ(pdfPageCount(file), 3);
        EXPECT_TRUE(pdfText(file, 3).contains(QStringLiteral("Riga 120")));
    }
}

INSTANTIATE_TEST_SUITE_P(Prints, QtPrintingToFile,
                         ::testing::Values(PdfPrint{"Completed", 0},
                                           PdfPrint{"CancelledAtTheFirstPage", 1},
                                           PdfPrint{"CancelledAtTheLastPage", 3}),
                         [](const auto& row) { return std::string(row.param.name); });

// A preview the user cancels while its pages are drawn closes by itself,
// with no message.
TEST_F(QtPrintingTest, ACancelledPreviewCloses) {
    const QString drawing = QStringLiteral("Preparazione dell'anteprima in corso...");
    progress().cancelAt(2, drawing);
    // Queued before the preview opens: by the time it runs the second time,
    // the preview has been drawn and has queued its own closing before it.
    bool stillOpen = false;
    QMetaObject::invokeMethod(
        qApp,
        [&stillOpen] {
            QMetaObject::invokeMethod(
                qApp,
                [&stillOpen] {
                    if (QWidget* modal = QApplication::activeModalWidget()) {
                        stillOpen = true;
                        modal->close();
                    }
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    printing.preview(threePages());
    QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);  // nothing left for later tests
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(progress().cancelledWork, drawing);
    EXPECT_TRUE(messages().shown.isEmpty());
}

}  // namespace
