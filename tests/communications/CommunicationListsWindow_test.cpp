// The communications' search, flagged summary and export windows, opened
// from the communication card.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "communications/TfrmComunicazioni.h"
#include "lists/RecordListWidget.h"
#include "support/CardFixture.h"
#include "support/CommunicationArchive.h"
#include "support/ListClicks.h"
#include "windows/ExportWindow.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"

namespace {

const QString kFile = QStringLiteral("Comunicazioni.pro");

class CommunicationListWindowTest : public CardFixture<TfrmComunicazioni> {
protected:
    void store(const QList<TestCommunication>& list) {
        ASSERT_TRUE(writeCommunications(dataPath(kFile), list));
    }
    QString text(const char* name) const { return card->controlText(QString::fromLatin1(name)); }
    QString position() const { return control<QLabel>("lblPosizione")->text(); }
    static QStringList subjects(const RecordListWidget* list) {
        QStringList all;
        for (const ListLine& line : list->lines()) all.append(line.text.left(45).trimmed());
        return all;
    }

    // Clicks a button of the card and hands the modal window it opens, of
    // type W, to `use`; the window is closed afterwards if still open.
    template <typename W>
    void openFromCard(const char* button, const std::function<void(W*)>& use) {
        bool opened = false;
        whenModal([&](QWidget* modal) {
            auto* window = qobject_cast<W*>(modal);
            if (!window) {
                ADD_FAILURE() << button << " opened no " << W::staticMetaObject.className();
                modal->close();
                return;
            }
            opened = true;
            use(window);
            QTimer::singleShot(0, window, [window] {
                if (window->isVisible()) window->reject();
            });
        });
        QTest::mouseClick(tool(button), Qt::LeftButton);
        EXPECT_TRUE(opened) << button;
    }
};

// The criteria in two columns of five; Tab and Enter follow this order,
// from the last back to the first.
TEST_F(CommunicationListWindowTest, TheSearchTakesItsCriteriaInOrderAndLoadsTheChosenCard) {
    store({{.subject = "Assemblea", .author = "Neri", .team = "Beta", .date = "01/02/2023"},
           {.subject = "  Battuta annullata",
            .author = "Rossi Mario",
            .team = "Alfa",
            .leader = "Bianchi",
            .date = "07/03/2024",
            .note = "urgente",
            .hunters = "Luca Bianchi\r\nMario Rossi",
            .emails = "l@b.it",
            .message = "Niente battuta",
            .reply = "letto",
            .flag = "S\xEC"}});
    openFromCard<SearchWindow>("cmdTrova", [](SearchWindow* window) {
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmTrovaComunicazioni"));
        EXPECT_EQ(window->windowTitle(), QStringLiteral(" Trova comunicazioni in archivio"));
        EXPECT_EQ(window->memory(), QStringLiteral("comunicazioni"));
        const char* order[] = {"txtOggetto",    "txtAutore", "txtSquadra",   "txtCaposquadra",
                               "txtCacciatori", "txtEmail",  "txtMessaggio", "txtDataInvio",
                               "txtRiscontro",  "txtNote",   "txtOggetto"};
        const auto criterion = [window](const char* name) {
            return window->findChild<QLineEdit*>(QString::fromLatin1(name));
        };
        // The keys go to the window's own focus, active or not.
        criterion(order[0])->setFocus();
        for (std::size_t i = 1; i < std::size(order); ++i) {
            ASSERT_EQ(window->focusWidget(), criterion(order[i - 1]));
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            EXPECT_EQ(window->focusWidget(), criterion(order[i])) << order[i - 1];
        }
        typeText(criterion("txtDataInvio"), QStringLiteral("/2024"));
        typeText(criterion("txtCacciatori"), QStringLiteral("mario"));
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("btnCerca")),
                          Qt::LeftButton);
        ASSERT_EQ(subjects(window->list()), QStringList{"Battuta annullata"});
        doubleClickLine(window->list(), 0);
    });
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(text("txtOggetto"), QStringLiteral("  Battuta annullata"));
    EXPECT_EQ(text("txtCacciatori"), QStringLiteral("Luca Bianchi\r\nMario Rossi"));
    EXPECT_EQ(text("txtDataInvio"), QStringLiteral("07/03/2024"));
    EXPECT_TRUE(control<QCheckBox>("chkSegnala")->isChecked());
}

TEST_F(CommunicationListWindowTest, TheFlaggedSummaryListsAndLoadsTheFlaggedCommunications) {
    store({{.subject = "Zeta", .flag = "S\xEC"},
           {.subject = "Alfa", .flag = "No"},
           {.subject = "Beta", .note = "segnalata", .flag = "S\xEC"},
           {.subject = "Gamma", .flag = "s\xEC"}});
    openFromCard<SummaryWindow>("cmdSegnalate", [](SummaryWindow* window) {
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmRiepComunicazioniSegnalate"));
        EXPECT_EQ(window->windowTitle(), QStringLiteral(" Riepilogo comunicazioni segnalate"));
        EXPECT_EQ(subjects(window->list()), (QStringList{"Beta", "Zeta"}));
        doubleClickLine(window->list(), 0);
    });
    EXPECT_EQ(position(), QStringLiteral("3"));
    EXPECT_EQ(text("txtOggetto"), QStringLiteral("Beta"));
    EXPECT_EQ(text("txtNote"), QStringLiteral("segnalata"));
}

TEST_F(CommunicationListWindowTest, TheExportShowsEightTrimmedColumnsAndWritesComunicazioniXls) {
    store({{.subject = " Riunione ",
            .author = "Rossi Mario",
            .team = "Alfa ",
            .leader = "Neri Ada",
            .date = "07/03/2024",
            .note = "nota",
            .hunters = "Mario Rossi",
            .emails = "mario@rossi.it",
            .message = "Testo",
            .reply = " letto",
            .flag = "S\xEC"},
           {.subject = "Assemblea", .flag = "No"}});
    openFromCard<ExportWindow>("cmdEsporta", [&](ExportWindow* window) {
        EXPECT_EQ(window->objectName(), QStringLiteral("TfrmExpComunicazioni"));
        EXPECT_EQ(window->windowTitle(),
                  QStringLiteral(" Esporta archivio comunicazioni in Microsoft Excel"));
        auto* grid = window->findChild<QTableView*>(QStringLiteral("grdRecords"));
        ASSERT_EQ(grid->model()->columnCount(), 9);
        ASSERT_EQ(grid->model()->rowCount(), 2);
        EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        struct Column {
            const char* header;
            int width;
            const char* first;
        } columns[] = {
            {"Oggetto", 300, "Riunione"},
            {"Autore del messaggio", 250, "Rossi Mario"},
            {"Squadra di caccia destinataria", 250, "Alfa"},
            {"Capo squadra", 250, "Neri Ada"},
            {"Data invio", 180, "07/03/2024"},
            {"Note", 300, "nota"},
            {"Riscontro ricevuto", 300, "letto"},
            {"Segnalata", 120, "Sì"},
        };
        for (int c = 1; c <= 8; ++c) {
            const Column& column = columns[c - 1];
            EXPECT_EQ(grid->model()->headerData(c, Qt::Horizontal).toString(),
                      QString::fromUtf8(column.header));
            EXPECT_EQ(grid->columnWidth(c), column.width) << column.header;
            EXPECT_EQ(grid->model()->index(0, c).data().toString(), QString::fromUtf8(column.first))
                << column.header;
        }
        EXPECT_EQ(grid->model()->index(1, 8).data().toString(), QStringLiteral("No"));
        testSeams().desktop.nextFileNames = {window->filePath()};
        QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("cmdEsporta")),
                          Qt::LeftButton);
    });
    const QByteArray file = readFile(QStringLiteral("Comunicazioni.xls"));
    EXPECT_TRUE(file.contains("<x:Name>Riepilogo Comunicazioni</x:Name>"));
    EXPECT_EQ(file.count("<tr>"), 3);
    EXPECT_FALSE(file.contains("mario@rossi.it"));
    EXPECT_EQ(desktop().opened,
              QStringList{u'"' + dataPath(QStringLiteral("Comunicazioni.xls")) + u'"'});
}

}  // namespace
