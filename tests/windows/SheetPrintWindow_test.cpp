#include "windows/SheetPrintWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "hunters/TfrmAnagrafica.h"
#include "support/HintHover.h"
#include "support/HunterCardFixture.h"

namespace {

// The print windows as the hunter card configures them, opened from its
// toolbar.
class HunterSheetWindows : public HunterCardFixture {
protected:
    // Clicks a toolbar button and, in the window it opens, the named button;
    // returns what the window showed.
    struct Seen {
        QString window, caption, printText, cancelText;
    };
    Seen openAndClick(const char* toolName, const char* buttonName) {
        Seen seen;
        whenModal([&](QWidget* modal) {
            seen.window = modal->objectName();
            seen.caption = modal->windowTitle();
            auto* print = modal->findChild<QPushButton*>(QStringLiteral("btnStampa"));
            auto* cancel = modal->findChild<QPushButton*>(QStringLiteral("btnAnnulla"));
            if (print) seen.printText = print->text();
            if (cancel) seen.cancelText = cancel->text();
            auto* button = modal->findChild<QPushButton*>(QString::fromLatin1(buttonName));
            if (button) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                modal->close();
            }
        });
        QToolButton* button = tool(toolName);
        if (button) QTest::mouseClick(button, Qt::LeftButton);
        return seen;
    }
};

struct ModeCase {
    const char* tool;
    const char* window;
    const char* caption;
    const char* printText;
    bool preview;
};

const ModeCase kModes[] = {
    {"cmdAnteprima", "TfrmAnteprimaAnagrafica", " Anteprima di stampa", "Mostra anteprima", true},
    {"cmdStampa", "TfrmStampaAnagrafica", " Stampa scheda", "Stampa", false},
};

// The card as it is on screen, not saved, goes to the preview or to the
// print dialog as a one-page sheet; the window then closes.
TEST_F(HunterSheetWindows, HandTheCardAsShownToThePreviewOrThePrintDialog) {
    card->setFieldText(QStringLiteral("txtCognome"), QStringLiteral("  Rossi "));
    card->setFieldText(QStringLiteral("txtNome"), QStringLiteral("Mario"));
    card->setFieldText(QStringLiteral("txtCittaNasc"), QStringLiteral("Perugia"));
    card->setFieldText(QStringLiteral("txtNote"), QStringLiteral(" non ancora salvata "));
    for (const ModeCase& mode : kModes) {
        printing().jobs.clear();
        const Seen seen = openAndClick(mode.tool, "btnStampa");
        EXPECT_EQ(seen.window, QString::fromLatin1(mode.window));
        EXPECT_EQ(seen.caption, QString::fromUtf8(mode.caption));
        EXPECT_EQ(seen.printText, QString::fromUtf8(mode.printText));
        EXPECT_EQ(seen.cancelText, QStringLiteral("Annulla"));
        ASSERT_EQ(printing().jobs.size(), 1) << mode.tool;
        const FakePrinting::Job& job = printing().jobs.first();
        EXPECT_EQ(job.preview, mode.preview);
        EXPECT_EQ(job.pageCount, 1);
        for (const QString& expected :
             {QStringLiteral("SCHEDA INFORMATIVA CACCIATORE"), QStringLiteral("Cognome e nome:"),
              QStringLiteral("Rossi Mario"), QStringLiteral("Perugia  "),
              QStringLiteral("non ancora salvata"),
              QStringLiteral("Stampa eseguita in data 07/03/2024 alle ore 10:30:00")}) {
            EXPECT_TRUE(job.texts.contains(expected)) << mode.tool << ": " << qPrintable(expected);
        }
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(messages().shown.isEmpty());
    }
    // Nothing was saved to print it.
    EXPECT_TRUE(readFile(QStringLiteral("Cacciatori.pro")).isEmpty());
}

TEST_F(HunterSheetWindows, AnnullaClosesWithoutPrinting) {
    card->setFieldText(QStringLiteral("txtCognome"), QStringLiteral("Rossi"));
    for (const ModeCase& mode : kModes) {
        const Seen seen = openAndClick(mode.tool, "btnAnnulla");
        EXPECT_EQ(seen.window, QString::fromLatin1(mode.window));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(printing().jobs.isEmpty());
}

// Both buttons sit in their own group after the group of New and Save and
// before the navigation buttons, with their hints.
TEST_F(HunterSheetWindows, ToolbarButtonsHaveTheirHintsAndPlace) {
    const QList<HintRow> buttons{
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
        {"cmdStampa", "Stampa la scheda corrente."},
    };
    const auto groupIndex = [this](const char* name) {
        QToolButton* button = tool(name);
        return button ? button->parentWidget()->objectName().mid(10).toInt() : -1;
    };
    for (const HintRow& b : buttons) {
        ASSERT_NE(tool(b.control), nullptr) << b.control;
        EXPECT_FALSE(tool(b.control)->icon().isNull());
    }
    QWidget* panel = card->findChild<QFrame*>(QStringLiteral("panRecord"));
    EXPECT_EQ(hoverHints(card.get(), buttons, panel, QPoint(5, panel->height() - 5)),
              shownHints(buttons));
    EXPECT_EQ(groupIndex("cmdAnteprima"), groupIndex("cmdStampa"));
    EXPECT_GT(groupIndex("cmdAnteprima"), groupIndex("cmdSalva"));
    EXPECT_LT(groupIndex("cmdAnteprima"), groupIndex("cmdPrimo"));
}

// A sheet that shows the card's first text and the time it was printed.
report::Report firstTextSheet(const FieldValues& cardTexts, const QDateTime& now) {
    report::TextObject text;
    text.name = QStringLiteral("txtPrima");
    text.rect = QRectF(0, 0, 400, 40);
    text.text = cardTexts.value(0) + QStringLiteral(" / ") + now.toString(Qt::ISODate);
    report::Page page;
    page.objects.append(text);
    report::Report sheet;
    sheet.pages.append(page);
    return sheet;
}

// Any card prints through the same window: its names and its sheet come
// from the configuration, the texts from the card as shown.
TEST_F(HunterSheetWindows, BuildTheConfiguredSheetFromTheCardsTexts) {
    const SheetPrinting prova{"TfrmAnteprimaProva", "TfrmStampaProva", &firstTextSheet};
    card->setFieldText(QStringLiteral("txtCognome"), QStringLiteral("Verdi"));
    for (const auto mode : {SheetPrintWindow::Mode::Preview, SheetPrintWindow::Mode::Print}) {
        printing().jobs.clear();
        QString shownName;
        whenModal([&](QWidget* modal) {
            shownName = modal->objectName();
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnStampa")),
                              Qt::LeftButton);
        });
        SheetPrintWindow::showFor(card.get(), prova, mode);
        const bool preview = mode == SheetPrintWindow::Mode::Preview;
        EXPECT_EQ(shownName, preview ? QStringLiteral("TfrmAnteprimaProva")
                                     : QStringLiteral("TfrmStampaProva"));
        ASSERT_EQ(printing().jobs.size(), 1);
        EXPECT_EQ(printing().jobs.first().preview, preview);
        EXPECT_EQ(printing().jobs.first().texts,
                  QStringList{QStringLiteral("Verdi / 2024-03-07T10:30:00")});
    }
}

}  // namespace
