#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <functional>

#include "base/AlertSoundModule.h"
#include "base/GuiSeams.h"
#include "support/Fixtures.h"

namespace {

// The program's message boxes show stored text as it is: markup in a name
// is never read as rich text, so it can load no picture and no file.
TEST(QtMessagesTest, ShowStoredTextAsPlainText) {
    const QString stored = QStringLiteral(
        "Attenzione: il file \"<img src=\"/tmp/x.png\"><b>nota</b>\" non è valido.\n\r\n\rFine.");
    QtMessages messages;
    const std::function<void(QtMessages&)> shows[] = {
        [&](QtMessages& m) { m.warning(stored); }, [&](QtMessages& m) { m.information(stored); },
        [&](QtMessages& m) { m.error(stored); },   [&](QtMessages& m) { m.plain(stored); },
        [&](QtMessages& m) { m.confirm(stored); },
    };
    for (const auto& show : shows) {
        Qt::TextFormat format = Qt::AutoText;
        QString text;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            format = box->textFormat();
            text = box->text();
            box->done(QMessageBox::No);
        });
        show(messages);
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(text, displayMessageText(stored));
    }
}

// A message that only tells something offers OK alone; the card windows'
// and the checkers' information, warnings and errors keep OK and Annulla.
TEST(QtMessagesTest, EachKindOfMessageShowsItsButtons) {
    using Buttons = QMessageBox::StandardButtons;
    QtMessages messages;
    const QString text = QStringLiteral("Schede importate: 3 (dalla n. 1 alla n. 3).");
    const struct {
        std::function<void()> show;
        Buttons buttons;
    } cases[] = {
        {[&] { messages.information(text); }, QMessageBox::Ok},
        {[&] { messages.plain(text); }, QMessageBox::Ok},
        {[&] { messages.informationOkCancel(text); }, QMessageBox::Ok | QMessageBox::Cancel},
        {[&] { messages.warning(text); }, QMessageBox::Ok | QMessageBox::Cancel},
        {[&] { messages.error(text); }, QMessageBox::Ok | QMessageBox::Cancel},
    };
    for (const auto& c : cases) {
        Buttons shown;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->standardButtons();
            box->done(QMessageBox::Ok);
        });
        c.show();
        EXPECT_EQ(shown, c.buttons);
    }
}

// The alert sound's module, which the program loads at its first sound,
// loads beside the program's own libraries and has every function the
// program looks up in it.
TEST(QtAlertSoundTest, TheSoundModuleLoadsWithItsFunctions) {
    QLibrary module(QStringLiteral(SOUND_MODULE));
    ASSERT_TRUE(module.load()) << qPrintable(module.errorString());
    for (const char* function : {kSoundPlay, kSoundStop, kSoundRelease}) {
        EXPECT_NE(module.resolve(function), nullptr) << function;
    }
    EXPECT_TRUE(
        QFileInfo(QStringLiteral(SOUND_MODULE)).fileName().startsWith(QLatin1String(kSoundModule)));
}

// The progress of long work: once the work has lasted a while, a dialog
// over the window in front, in Italian, whose Annulla stops the work.
TEST(QtProgressTest, ShowsItsItalianTextsAndAnnullaStopsTheWork) {
    QWidget front;
    front.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&front));
    struct Seen {
        QString title, label, button;
        Qt::WindowModality modality = Qt::NonModal;
        QWidget* parent = nullptr;
    } seen;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QProgressDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        seen = {dialog->windowTitle(),
                dialog->labelText(),
                {},
                dialog->windowModality(),
                dialog->parentWidget()};
        auto* annulla = dialog->findChild<QPushButton*>();
        ASSERT_NE(annulla, nullptr);
        seen.button = annulla->text();
        QTest::mouseClick(annulla, Qt::LeftButton);
    });
    QtProgress progress;
    progress.begin(QStringLiteral("Ricerca delle schede in corso..."));
    // Work far longer than a second, unless it is stopped.
    constexpr int kSteps = 20000;
    int step = 0;
    while (step < kSteps && progress.advance(step, kSteps)) {
        QThread::msleep(2);
        ++step;
    }
    progress.end();
    EXPECT_LT(step, kSteps);
    EXPECT_EQ(seen.title, QStringLiteral(" Selvadoro"));
    EXPECT_EQ(seen.label, QStringLiteral("Ricerca delle schede in corso..."));
    EXPECT_EQ(seen.button, QStringLiteral("Annulla"));
    EXPECT_EQ(seen.modality, Qt::WindowModal);
    EXPECT_EQ(seen.parent, &front);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Short work shows nothing and leaves the focus where it was.
TEST(QtProgressTest, ShortWorkShowsNothingAndKeepsTheFocus) {
    QWidget front;
    auto* edit = new QLineEdit(&front);
    front.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&front));
    edit->setFocus();
    QtProgress progress;
    progress.begin(QStringLiteral("Lettura dell'archivio in corso..."));
    for (int step = 0; step <= 20; ++step) {
        EXPECT_TRUE(progress.advance(step, 20));
        for (QWidget* window : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(qobject_cast<QProgressDialog*>(window) && window->isVisible());
        }
    }
    progress.end();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &front);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<QProgressDialog*>(window), nullptr);
    }
}

}  // namespace
