// The deadlines' list windows: the day, month and imminent lists of the
// start panel, the search and the summaries of the year open in the card.

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <memory>

#include "deadlines/DeadlineLists.h"
#include "deadlines/GuiDeadlineLists.h"
#include "lists/RecordListWidget.h"
#include "records/ArchiveMessages.h"
#include "support/DeadlineArchive.h"
#include "support/Fixtures.h"
#include "windows/ExportWindow.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"

namespace {

TestDeadline deadline(const char* date, const char* time, const QByteArray& reason,
                      const QByteArray& hunter = "Rossi Mario") {
    TestDeadline d = deadlineOn(date, time, "10");
    d.reason = reason;
    d.hunter = hunter;
    d.amount = "12,50";
    return d;
}

class DeadlineListWindowTest : public DataFolderTest {
protected:
    QString year(const char* text) const {
        return dataPath(QString::fromLatin1(text) + QStringLiteral(".sca"));
    }
    void store(const char* yearText, const QList<TestDeadline>& deadlines) {
        ASSERT_TRUE(writeDeadlines(year(yearText), deadlines));
    }
    static QTableView* grid(QWidget* window) {
        return window->findChild<QTableView*>(QStringLiteral("grdRecords"));
    }
    // Each row's N., time and reason, as the grid shows them.
    static QStringList rows(QWidget* window) {
        QAbstractItemModel* model = grid(window)->model();
        QStringList list;
        for (int r = 0; r < model->rowCount(); ++r) {
            list.append(model->index(r, 0).data().toString() + u' ' +
                        model->index(r, 2).data().toString() + u' ' +
                        model->index(r, 13).data().toString());
        }
        return list;
    }
    // The guide the window's Guida button shows: its title and text.
    static QString guideOf(QWidget* window) {
        QString shown;
        whenModal([&shown](QWidget* modal) {
            shown = modal->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text() + u'\n' +
                    modal->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))->toPlainText();
            modal->close();
        });
        QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("cmdGuida")),
                          Qt::LeftButton);
        return shown;
    }
};

// The day list opened as the start panel opens it: 15:00 entered before
// 09:30 is listed after it, N. showing 2 then 1; the export writes the
// grid's rows in its order, 20 columns with the key last.
TEST_F(DeadlineListWindowTest, TheDayListShowsTheDayInTimeOrderAndExportsIt) {
    store("2024",
          {deadline("07/03/2024", "15:00", "Pomeriggio"), deadline("08/03/2024", "08:00", "Domani"),
           deadline("07/03/2024", "09:30", "Mattina")});
    bool shown = false;
    whenModal([&](QWidget* window) {
        shown = true;
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmExpGiornaliere"));
        EXPECT_EQ(window->windowTitle(), QStringLiteral(" Scadenze del giorno"));
        EXPECT_EQ(window->size(), QSize(862, 560));
        QTableView* table = grid(window);
        ASSERT_EQ(table->model()->columnCount(), 21);
        EXPECT_EQ(table->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        EXPECT_EQ(table->model()->headerData(20, Qt::Horizontal).toString(),
                  QStringLiteral("Codice univoco"));
        EXPECT_EQ(table->columnWidth(0), 60);
        EXPECT_EQ(table->columnWidth(4), 180);
        EXPECT_EQ(table->columnWidth(20), 150);
        EXPECT_EQ(rows(window), (QStringList{"2 09:30 Mattina", "1 15:00 Pomeriggio"}));
        EXPECT_EQ(table->model()->index(0, 20).data().toString(), QStringLiteral("03070930"));
        testSeams().desktop.nextFileNames = {qobject_cast<ExportWindow*>(window)->filePath()};
        QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("cmdEsporta")),
                          Qt::LeftButton);
        window->close();
    });
    deadlines::openDayList(nullptr, QDate(2024, 3, 7));
    EXPECT_TRUE(shown);
    const QByteArray file = readFile(QStringLiteral("Scadenze_Giornaliere.xls"));
    EXPECT_TRUE(file.contains("<x:Name>Scadenze del giorno</x:Name>"));
    EXPECT_EQ(file.count("<tr>"), 3);
    EXPECT_EQ(file.count("sdnum"), 40);
    EXPECT_LT(file.indexOf("Mattina"), file.indexOf("Pomeriggio"));
    EXPECT_TRUE(file.contains(">03071500</td></tr></table>"));
    EXPECT_EQ(desktop().opened,
              QStringList{u'"' + dataPath(QStringLiteral("Scadenze_Giornaliere.xls")) + u'"'});
}

// Each list reads the files of its date, and its guide names "l'app", the
// month list's "l'ambiente".
TEST_F(DeadlineListWindowTest, TheMonthAndImminentListsReadTheirDatesFiles) {
    store("2024",
          {deadline("31/03/2024", "08:00", "Fine"), deadline("01/03/2024", "08:00", "Inizio"),
           deadline("30/12/2024", "08:00", "Oggi")});
    store("2025", {deadline("02/01/2025", "08:00", "Anno nuovo")});
    struct Case {
        void (*open)(QWidget*, const QDate&);
        QDate date;
        const char* window;
        QStringList rows;
        const char* guide;
    } cases[] = {
        {&deadlines::openMonthList,
         QDate(2024, 3, 20),
         "TfrmExpMensili",
         {"2 08:00 Inizio", "1 08:00 Fine"},
         "nell'ambiente Scadenze e Pagamenti"},
        {&deadlines::openImminentList,
         QDate(2024, 12, 30),
         "TfrmExpImminenti",
         {"1 08:00 Oggi", "2 08:00 Anno nuovo"},
         "nell'app Scadenze e Pagamenti"},
        {&deadlines::openDayList,
         QDate(2023, 5, 2),
         "TfrmExpGiornaliere",
         {},
         "nell'app Scadenze e Pagamenti"},
    };
    for (const Case& c : cases) {
        bool shown = false;
        whenModal([&](QWidget* window) {
            shown = true;
            EXPECT_EQ(window->objectName(), QString::fromLatin1(c.window));
            EXPECT_EQ(rows(window), c.rows) << c.window;
            const QString guide = guideOf(window);
            EXPECT_TRUE(
                guide.startsWith(QStringLiteral("Visualizzazione scadenze e appuntamenti")));
            EXPECT_TRUE(guide.contains(QString::fromUtf8(c.guide))) << c.window;
            window->close();
        });
        c.open(nullptr, c.date);
        EXPECT_TRUE(shown) << c.window;
    }
    // The day list of a year without a file made that file, empty.
    EXPECT_EQ(QFileInfo(year("2023")).size(), 0);
    EXPECT_TRUE(messages().take().isEmpty());
}

// A year that cannot be read: the message, and the rows the other files
// gave, sorted; such a grid is not exported.
TEST_F(DeadlineListWindowTest, AnUnreadableYearIsToldAndTheOthersRowsShown) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("2024.sca")));
    store("2025",
          {deadline("05/01/2025", "08:00", "Dopo"), deadline("02/01/2025", "08:00", "Prima")});
    ExportWindow window(deadlines::imminentList(), nullptr, {}, QDate(2024, 12, 30));
    window.show();
    EXPECT_EQ(rows(&window), (QStringList{"2 08:00 Prima", "1 08:00 Dopo"}));
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
    testSeams().desktop.nextFileNames = {window.filePath()};
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("cmdEsporta")), Qt::LeftButton);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::accessError()});
    EXPECT_TRUE(readFile(QStringLiteral("Scadenze_Imminenti.xls")).isEmpty());
}

// The search over the year's file: its instructions, the trailing blank
// searched as typed, the count line, the red hint and find-in-list.
TEST_F(DeadlineListWindowTest, TheSearchWindowCountsItsLinesInItsOwnWords) {
    store("2024", {deadline("07/03/2024", "09:30", "Rinnovo porto", "Rossi Mario"),
                   deadline("15/03/2024", "10:00", "Quota", "Rossini Ugo"),
                   deadline("02/04/2024", "11:00", "rinnovo tessera", "Neri Ada")});
    SearchWindow window(deadlines::search(), nullptr, year("2024"));
    window.setMemory(QStringLiteral("Scadenzario"));
    window.show();
    EXPECT_EQ(window.objectName(), QStringLiteral("TfrmTrovaScadenzario"));
    const QStringList texts = [&] {
        QStringList all;
        for (const QLabel* label : window.findChildren<QLabel*>()) all.append(label->text());
        return all;
    }();
    EXPECT_TRUE(texts.contains(QStringLiteral(
        "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
        "trovare e premere il pulsante Cerca. Lasciare in bianco tutti gli altri campi. Per ogni "
        "ricerca è possibile utilizzare uno o più campi contemporaneamente.")));
    typeText(window.findChild<QLineEdit*>(QStringLiteral("txtCliente")), QStringLiteral("rossi "));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnCerca")), Qt::LeftButton);
    ASSERT_EQ(window.list()->lines().size(), 1);
    EXPECT_TRUE(window.list()->lines().front().text.startsWith(QStringLiteral("Rinnovo porto")));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblTrovate"))->text(),
              QStringLiteral("Il presente elenco contiene 1 schede."));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("icoIstruzioni"))->text(),
              QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in "
                             "elenco da cercare e premere il pulsante Trova. Per spostarsi sulla "
                             "voce successiva contenente la stessa chiave di ricerca, fare di "
                             "nuovo clic su Trova."));
    bool redHint = false;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().startsWith(QStringLiteral("Fare doppio clic"))) {
            redHint = label->styleSheet().contains(QStringLiteral("red"));
        }
    }
    EXPECT_TRUE(redHint);
}

TEST_F(DeadlineListWindowTest, TheSummariesAreFixedDialogsWithFindInTheirLines) {
    TestDeadline paid = deadline("10/03/2024", "10:00", "Pagata");
    paid.paid = "S\xEC";
    store("2024", {deadline("07/03/2024", "09:30", "rinnovo", "Rossi Mario"), paid,
                   deadline("08/03/2024", "09:30", "Quota", "Rossini Ugo"),
                   deadline("09/03/2024", "09:30", "Visita", "Neri Ada")});
    SummaryWindow window(deadlines::paymentsToMake(), nullptr, year("2024"));
    window.show();
    EXPECT_EQ(window.objectName(), QStringLiteral("TfrmConfermati"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Riepilogo pagamenti da effettuare"));
    EXPECT_EQ(window.size(), QSize(862, 560));
    QStringList reasons;
    for (const ListLine& line : window.list()->lines()) reasons.append(line.text.left(7).trimmed());
    EXPECT_EQ(reasons, (QStringList{"Quota", "rinnovo", "Visita"}));
    // "ROSSI" twice: the first line holding "Rossi", then the next.
    QLineEdit* find = window.list()->findBox();
    typeText(find, QStringLiteral("ROSSI"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnTrova")), Qt::LeftButton);
    EXPECT_EQ(window.list()->selectedIndex(), 0);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("btnTrova")), Qt::LeftButton);
    EXPECT_EQ(window.list()->selectedIndex(), 1);
}

}  // namespace
