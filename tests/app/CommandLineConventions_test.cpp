// The options every program answers (--help, -h, --version) and the
// decision, before any window, that no display can show them.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "support/CommandRun.h"

namespace {

TEST(CommandLineConventions, HelpAndVersionPrintAndEndWithoutWindows) {
    const struct {
        const char* option;
        QString printed;
    } cases[] = {
        {"--help", commandline::usage()},
        {"-h", commandline::usage()},
        {"--version", QStringLiteral("Selvadoro " SELVADORO_PROJECT_VERSION "\n")},
    };
    for (const auto& c : cases) {
        const QStringList args{QStringLiteral("selvadoro"), QString::fromLatin1(c.option)};
        EXPECT_TRUE(commandline::wantsCommand(args)) << c.option;
        EXPECT_TRUE(commandline::drawsNothing(args)) << c.option;
        const CommandResult result = runCommand({QString::fromLatin1(c.option)});
        EXPECT_EQ(result.status, 0) << c.option;
        EXPECT_EQ(result.out, c.printed) << c.option;
        EXPECT_EQ(result.err, QString()) << c.option;
    }
    // The same text as `aiuto`, which names the options.
    EXPECT_EQ(runCommand({QStringLiteral("aiuto")}).out, commandline::usage());
    EXPECT_TRUE(commandline::usage().contains(QStringLiteral("--help | -h | --version")));
    // Any other option still opens the windows.
    EXPECT_FALSE(commandline::wantsCommand({QStringLiteral("selvadoro"), QStringLiteral("-x")}));
}

TEST(CommandLineConventions, TheWindowsNeedADisplayWhereThePlatformNeedsOne) {
    const struct {
        const char* platform;
        const char* x11;
        const char* wayland;
        bool available;
    } cases[] = {
        {"", "", "", false},
        {"xcb", "", "", false},
        {"wayland", "", "", false},
        {"wayland-egl", "", "", false},
        {"wayland;xcb", "", "", false},
        {"xcb:nomefont=x", "", "", false},
        {"", ":0", "", true},
        {"xcb", ":0", "", true},
        {"", "", "wayland-0", true},
        {"wayland", "", "wayland-0", true},
        {"offscreen", "", "", true},
        {"vnc", "", "", true},
        {"wayland;offscreen", "", "", true},
    };
    for (const auto& c : cases) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        const bool expected = c.available;
#else
        const bool expected = true;  // the system's own windows need no display server
#endif
        EXPECT_EQ(commandline::displayAvailable(QString::fromLatin1(c.platform),
                                                QString::fromLatin1(c.x11),
                                                QString::fromLatin1(c.wayland)),
                  expected)
            << c.platform << " DISPLAY=" << c.x11 << " WAYLAND_DISPLAY=" << c.wayland;
    }
    const QString message = commandline::noDisplayMessage();
    EXPECT_TRUE(message.contains(QStringLiteral("selvadoro aiuto"))) << message.toStdString();
}

}  // namespace
