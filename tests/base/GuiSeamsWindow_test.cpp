#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
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

}  // namespace
