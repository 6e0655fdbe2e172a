#include "report/GuiPrinting.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QSpinBox>

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

// With no printer on the test machine the dialog prints to a PDF file.
TEST_F(QtPrintingTest, PrintsTheChosenPagesThroughTheDialog) {
    const QString file = dataPath(QStringLiteral("stampa.pdf"));
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!dialog || !name) {
            modal->close();
            return;
        }
        name->setText(file);
        // Pages 2 to 3, as the user sets them in the dialog.
        auto* range = modal->findChild<QRadioButton*>(QStringLiteral("printRange"));
        auto* from = modal->findChild<QSpinBox*>(QStringLiteral("from"));
        auto* to = modal->findChild<QSpinBox*>(QStringLiteral("to"));
        if (range && from && to) {
            range->setChecked(true);
            to->setValue(3);
            from->setValue(2);
        }
        dialog->accept();
    });
    printing.print(threePages());
    EXPECT_EQ(pdfPageCount(file), 2);
    EXPECT_TRUE(pdfText(file, 1).contains(QStringLiteral("Riga 60")));
    EXPECT_TRUE(messages().shown.isEmpty());
}

}  // namespace
