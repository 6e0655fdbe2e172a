#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "base/Paths.h"
#include "support/TestSeams.h"

// Each test works in its own empty data folder, with fresh doubles.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
        testSeams().messages = FakeMessages();
        testSeams().desktop = FakeDesktop();
        testSeams().printing = FakePrinting();
        testSeams().progress = FakeProgress();
        testSeams().clock.set(QDateTime(QDate(2024, 3, 7), QTime(10, 30)));
    }

    QString dataPath(const QString& name) const { return folder.filePath(name); }

    QByteArray readFile(const QString& name) const {
        QFile f(dataPath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile f(dataPath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    FakeMessages& messages() { return testSeams().messages; }
    FakeDesktop& desktop() { return testSeams().desktop; }
    FakePrinting& printing() { return testSeams().printing; }
    FakeProgress& progress() { return testSeams().progress; }

    QTemporaryDir folder;
};

// Types a text key by key, as the keyboard would; characters beyond ASCII
// arrive as key events carrying their text.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Runs `handle` on the next modal window as soon as it is shown; the
// handler interacts with it and closes it.
inline void whenModal(std::function<void(QWidget*)> handle) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle = std::move(handle)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            handle(modal);
        }
    });
    timer->start();
}
