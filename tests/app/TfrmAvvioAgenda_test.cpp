#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "app/Archives.h"
#include "app/TfrmAvvio.h"
#include "hunters/TfrmAnagrafica.h"
#include "support/Fixtures.h"
#include "support/HunterArchive.h"

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

}  // namespace
