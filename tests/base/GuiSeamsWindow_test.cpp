#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <functional>

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

}  // namespace
