#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "app/Archives.h"
#include "app/TfrmAvvio.h"
#include "deadlines/TfrmScadenzario.h"
#include "hunters/TfrmAnagrafica.h"
#include "lists/RecordListWidget.h"
#include "support/DeadlineArchive.h"
#include "support/Fixtures.h"
#include "support/HunterArchive.h"
#include "support/ListClicks.h"
#include "windows/SummaryWindow.h"

namespace {

// A source of the agenda's lines that blocks until the test lets it go,
// ignoring the request to stop: what a slow archive on a share would do.
struct BlockingSource {
    std::mutex mutex;
    std::condition_variable changed;
    bool entered = false;
    bool released = false;
    bool returned = false;
    QList<AgendaLine> lines;

    AgendaWidget::Source source() {
        return [this](const QDate&, const std::atomic_bool&) {
            std::unique_lock lock(mutex);
            entered = true;
            changed.notify_all();
            changed.wait(lock, [this] { return released; });
            returned = true;
            return lines;
        };
    }
    // The reading starts once the launcher's events run.
    void waitEntered() {
        for (;;) {
            QCoreApplication::processEvents();
            std::unique_lock lock(mutex);
            if (changed.wait_for(lock, std::chrono::milliseconds(10), [this] { return entered; }))
                return;
        }
    }
    void release() {
        std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    }
};

class LauncherAgendaTest : public DataFolderTest {
protected:
    void TearDown() override {
        TfrmAvvio::setAgendaSource(defaultSource);
        DataFolderTest::TearDown();
    }
    static QPushButton* lineButton(const TfrmAvvio& launcher, const QString& start) {
        for (QPushButton* line :
             launcher.agendaPanel()->findChildren<QPushButton*>(QStringLiteral("agendaLine"))) {
            if (line->text().startsWith(start)) return line;
        }
        return nullptr;
    }
    // Double-clicks, in the summary the panel opens, the line holding `name`.
    static void chooseInSummary(const QString& name) {
        whenModal([name](QWidget* modal) {
            auto* summary = qobject_cast<SummaryWindow*>(modal);
            ASSERT_NE(summary, nullptr);
            RecordListWidget* list = summary->list();
            qsizetype row = -1;
            for (qsizetype i = 0; i < list->lines().size(); ++i) {
                if (list->lines().at(i).text.contains(name)) row = i;
            }
            if (row < 0) summary->reject();
            ASSERT_GE(row, 0) << qPrintable(name);
            doubleClickLine(list, row);
        });
    }
    static QString statusText(const TfrmAvvio& launcher) {
        return launcher.agendaPanel()->findChild<QLabel*>(QStringLiteral("lblStatoDaFare"))->text();
    }
    static QStringList shownLines(const TfrmAvvio& launcher) {
        QStringList texts;
        for (const QPushButton* line :
             launcher.agendaPanel()->findChildren<QPushButton*>(QStringLiteral("agendaLine"))) {
            texts.append(line->text());
        }
        return texts;
    }
    // The source installed by default, put back after each test.
    AgendaWidget::Source defaultSource = [](const QDate& today, const std::atomic_bool& stop) {
        return agenda::compute(archives::all(), today, &stop);
    };
};

TEST_F(LauncherAgendaTest, TheLauncherShowsAndClosesWhileTheAgendaIsStillReading) {
    BlockingSource blocking;
    TfrmAvvio::setAgendaSource(blocking.source());
    auto launcher = std::make_unique<TfrmAvvio>();
    launcher->showMaximized();
    EXPECT_TRUE(launcher->isVisible());
    blocking.waitEntered();
    EXPECT_EQ(launcher->agendaPanel()->findChild<QLabel*>(QStringLiteral("lblStatoDaFare"))->text(),
              QStringLiteral("Lettura degli archivi in corso..."));
    EXPECT_FALSE(launcher->agendaPanel()->ready());
    // Closing does not wait for the reading, which is still blocked.
    launcher->close();
    EXPECT_FALSE(launcher->isVisible());
    {
        std::lock_guard lock(blocking.mutex);
        EXPECT_FALSE(blocking.returned);
    }
    // Its end waits for the thread: let the reading go first.
    blocking.release();
    launcher.reset();
}

TEST_F(LauncherAgendaTest, TheLinesComeAfterTheLauncherIsShown) {
    BlockingSource blocking;
    AgendaLine line;
    line.text = QStringLiteral("Squadre segnalate");
    line.count = 2;
    line.names = {QStringLiteral("I Lupi"), QStringLiteral("Le Volpi")};
    AgendaLine unreadable;
    unreadable.text = QStringLiteral("Porti di fucile scaduti o in scadenza");
    unreadable.unreadable = true;
    blocking.lines = {line, unreadable};
    TfrmAvvio::setAgendaSource(blocking.source());
    TfrmAvvio launcher;
    launcher.showMaximized();
    blocking.waitEntered();
    EXPECT_TRUE(shownLines(launcher).isEmpty());
    blocking.release();
    QTRY_VERIFY(launcher.agendaPanel()->ready());
    EXPECT_EQ(
        shownLines(launcher),
        QStringList({QStringLiteral("Squadre segnalate: 2 (I Lupi, Le Volpi)"),
                     QStringLiteral("Porti di fucile scaduti o in scadenza: non leggibile")}));
}

TEST_F(LauncherAgendaTest, TheSettingHidesThePanelAndNothingIsRead) {
    bool called = false;
    TfrmAvvio::setAgendaSource([&called](const QDate&, const std::atomic_bool&) {
        called = true;
        return QList<AgendaLine>();
    });
    {
        TfrmAvvio launcher;
        launcher.showMaximized();
        launcher.findChild<QCheckBox*>(QStringLiteral("chkDaFare"))->setChecked(false);
        EXPECT_FALSE(launcher.agendaPanel()->isVisible());
    }
    EXPECT_FALSE(TfrmAvvio::agendaShown());
    called = false;
    TfrmAvvio launcher;
    launcher.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(launcher.agendaPanel()->isVisible());
    EXPECT_FALSE(launcher.findChild<QCheckBox*>(QStringLiteral("chkDaFare"))->isChecked());
    EXPECT_FALSE(called);
}

// A line of one record opens the card at that record, read from the
// archive by the default source after the launcher shows (07/03/2024).
TEST_F(LauncherAgendaTest, ALineOfOneRecordOpensItsCard) {
    ASSERT_TRUE(writeHunters(
        dataPath(QStringLiteral("Cacciatori.pro")),
        {{.surname = "Bianchi", .expiry = "01/01/2030", .notice = "10"},
         {.surname = "Rossi", .name = "Mario", .expiry = "01/03/2024", .notice = "0"}}));
    TfrmAnagrafica card;
    TfrmAvvio launcher;
    launcher.showMaximized();
    QTRY_VERIFY(launcher.agendaPanel()->ready());
    ASSERT_EQ(
        shownLines(launcher),
        QStringList{QStringLiteral("Porti di fucile scaduti o in scadenza: 1 (Rossi Mario)")});
    QTest::mouseClick(launcher.agendaPanel()->findChild<QPushButton*>(QStringLiteral("agendaLine")),
                      Qt::LeftButton);
    EXPECT_TRUE(card.isVisible());
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_EQ(card.findChild<QLineEdit*>(QStringLiteral("txtCognome"))->text(),
              QStringLiteral("Rossi"));
}

// A line of several records opens their summary; a double-click there
// opens the chosen record in its card, in place of the launcher, as the
// same summary opened from the card does.
TEST_F(LauncherAgendaTest, AListOpenedFromThePanelOpensTheChosenCard) {
    ASSERT_TRUE(writeHunters(
        dataPath(QStringLiteral("Cacciatori.pro")),
        {{.surname = "Bianchi", .expiry = "01/01/2030", .notice = "10"},
         {.surname = "Rossi", .name = "Mario", .expiry = "01/03/2024", .notice = "0"},
         {.surname = "Verdi", .name = "Anna", .expiry = "05/03/2024", .notice = "0"}}));
    TfrmAnagrafica card;
    TfrmAvvio launcher;
    launcher.showMaximized();
    QTRY_VERIFY(launcher.agendaPanel()->ready());
    ASSERT_EQ(shownLines(launcher),
              QStringList{QStringLiteral(
                  "Porti di fucile scaduti o in scadenza: 2 (Rossi Mario, Verdi Anna)")});
    chooseInSummary(QStringLiteral("Verdi"));
    QTest::mouseClick(launcher.agendaPanel()->findChild<QPushButton*>(QStringLiteral("agendaLine")),
                      Qt::LeftButton);
    EXPECT_TRUE(card.isVisible());
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_EQ(card.position(), 3);
    EXPECT_EQ(card.findChild<QLineEdit*>(QStringLiteral("txtCognome"))->text(),
              QStringLiteral("Verdi"));
    // Closing the card shows the launcher again.
    card.close();
    EXPECT_TRUE(launcher.isVisible());
}

// An archive kept by year: the card opens on the year of the file the
// summary read, at the chosen record, ready to save it there.
TEST_F(LauncherAgendaTest, AListOfAYearlyArchiveOpensTheCardOnThatYear) {
    TestDeadline rossi = deadlineOn("08/03/2024", "09:00");
    rossi.hunter = "Rossi Mario";
    rossi.subject = "Quota";
    TestDeadline verdi = deadlineOn("10/03/2024", "10:00");
    verdi.hunter = "Verdi Anna";
    verdi.subject = "Rinnovo";
    ASSERT_TRUE(writeDeadlines(dataPath(QStringLiteral("2024.sca")), {rossi, verdi}));
    TfrmScadenzario card;
    TfrmAvvio launcher;
    launcher.showMaximized();
    QTRY_VERIFY(launcher.agendaPanel()->ready());
    QPushButton* line =
        lineButton(launcher, QStringLiteral("Pagamenti da effettuare entro 7 giorni: 2"));
    ASSERT_NE(line, nullptr) << qPrintable(shownLines(launcher).join(u'\n'));
    chooseInSummary(QStringLiteral("Verdi"));
    QTest::mouseClick(line, Qt::LeftButton);
    ASSERT_TRUE(card.isVisible());
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_FALSE(card.startPanelShown());
    EXPECT_EQ(QFileInfo(card.recordFilePath()), QFileInfo(dataPath(QStringLiteral("2024.sca"))));
    EXPECT_EQ(card.position(), 2);
    EXPECT_EQ(card.controlText(QStringLiteral("txtCliente")), QStringLiteral("Verdi Anna"));
}

// A save in a card changes what is due: back on the launcher, the panel
// has read the archives again.
TEST_F(LauncherAgendaTest, ASaveInACardIsSeenByThePanelOnReturn) {
    ASSERT_TRUE(writeHunters(
        dataPath(QStringLiteral("Cacciatori.pro")),
        {{.surname = "Rossi", .name = "Mario", .expiry = "01/03/2024", .notice = "0"}}));
    TfrmAnagrafica card;
    TfrmAvvio launcher;
    launcher.setCardWindow(QStringLiteral("Anagrafica"), &card);
    launcher.showMaximized();
    QTRY_VERIFY(launcher.agendaPanel()->ready());
    ASSERT_EQ(shownLines(launcher).size(), 1);
    // The line of one record opens its card at that record.
    QTest::mouseClick(launcher.agendaPanel()->findChild<QPushButton*>(QStringLiteral("agendaLine")),
                      Qt::LeftButton);
    ASSERT_TRUE(card.isVisible());
    card.setFieldText(QStringLiteral("txtDecorrenza"), QStringLiteral("01/03/2019"));
    card.setFieldText(QStringLiteral("txtScadenza"), QStringLiteral("01/03/2029"));
    card.save();
    ASSERT_EQ(messages().take(),
              QStringList{QStringLiteral(
                  "Le modifiche apportate alla scheda corrente sono state salvate in archivio.")});
    card.close();
    ASSERT_TRUE(launcher.isVisible());
    QTRY_COMPARE(statusText(launcher), QStringLiteral("Nulla da fare oggi."));
    EXPECT_TRUE(launcher.agendaPanel()->ready());
    EXPECT_TRUE(shownLines(launcher).isEmpty());
}

// Another station's save changes the files: the launcher's check (its
// timer's) reads them again; while nothing changes, nothing is read.
TEST_F(LauncherAgendaTest, AnotherStationsChangeIsSeenByTheCheck) {
    ASSERT_TRUE(writeHunters(dataPath(QStringLiteral("Cacciatori.pro")),
                             {{.surname = "Bianchi", .expiry = "01/01/2030", .notice = "10"}}));
    int readings = 0;
    TfrmAvvio::setAgendaSource([&readings](const QDate& today, const std::atomic_bool& stop) {
        ++readings;
        return agenda::compute(archives::all(), today, &stop);
    });
    TfrmAvvio launcher;
    launcher.showMaximized();
    QTRY_VERIFY(launcher.agendaPanel()->ready());
    EXPECT_EQ(statusText(launcher), QStringLiteral("Nulla da fare oggi."));
    launcher.refreshAgendaIfChanged();
    QCoreApplication::processEvents();
    EXPECT_EQ(readings, 1);
    // Written as another program would, not through this run's saves.
    ASSERT_TRUE(writeHunters(
        dataPath(QStringLiteral("Cacciatori.pro")),
        {{.surname = "Bianchi", .expiry = "01/01/2030", .notice = "10"},
         {.surname = "Rossi", .name = "Mario", .expiry = "01/03/2024", .notice = "0"}}));
    launcher.refreshAgendaIfChanged();
    QTRY_VERIFY(launcher.agendaPanel()->ready());
    EXPECT_EQ(readings, 2);
    EXPECT_EQ(
        shownLines(launcher),
        QStringList{QStringLiteral("Porti di fucile scaduti o in scadenza: 1 (Rossi Mario)")});
}

// The import and the backup window (which restores) may change every
// archive: once closed, the panel reads them again.
TEST_F(LauncherAgendaTest, ThePanelIsReadAgainAfterTheImportAndTheBackupWindows) {
    int readings = 0;
    TfrmAvvio::setAgendaSource([&readings](const QDate&, const std::atomic_bool&) {
        ++readings;
        return QList<AgendaLine>();
    });
    TfrmAvvio launcher;
    launcher.showMaximized();
    QTRY_VERIFY(launcher.agendaPanel()->ready());
    for (const char* button : {"imgImporta", "imgBackup"}) {
        const int before = readings;
        whenModal([](QWidget* modal) { modal->close(); });
        launcher.findChild<QToolButton*>(QString::fromLatin1(button))->click();
        QTRY_VERIFY(launcher.agendaPanel()->ready());
        EXPECT_EQ(readings, before + 1) << button;
    }
}

}  // namespace
