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

// A usage error prints its problem, the usage of that command alone (every
// form of it) and where the whole help is, with status 2.
TEST(CommandLineConventions, AUsageErrorShowsTheUsageOfItsCommandOnly) {
    const struct {
        QStringList args;
        QString problem;
        QStringList forms;
    } cases[] = {
        {{QStringLiteral("nessuno")}, QStringLiteral("Comando sconosciuto: nessuno"), {}},
        {{QStringLiteral("cerca")},
         QStringLiteral("Indicare l'archivio."),
         {QStringLiteral("cerca ARCHIVIO [--anno AAAA] [Campo=testo ...]")}},
        {{QStringLiteral("lettere"), QStringLiteral("2")},
         QStringLiteral("Indicare il numero della comunicazione e una sola fra --pdf FILE e "
                        "--eml CARTELLA."),
         {QStringLiteral("lettere N --pdf FILE | --eml CARTELLA [--tutti-gli-omonimi | --scheda "
                         "N[,N...]]")}},
        {{QStringLiteral("controlla"), QStringLiteral("cf")},
         QStringLiteral("Indicare il tipo di controllo e il valore da controllare."),
         {QStringLiteral("controlla cf|piva|iban|carta VALORE")}},
        {{QStringLiteral("esporta"), QStringLiteral("armeria")},
         QStringLiteral("Archivio sconosciuto: armeria"),
         {QStringLiteral("esporta ARCHIVIO [--anno AAAA] [--formato xls|xlsx|csv|ics] "
                         "[--file PERCORSO]")}},
        {{QStringLiteral("etichette"), QStringLiteral("anagrafica")},
         QStringLiteral("Manca l'opzione --pdf con il file da scrivere."),
         {QStringLiteral("etichette ARCHIVIO [Campo=testo ...] [--formato "
                         "3x8|3x7|2x7|personalizzato] [--inizio N] --pdf FILE")}},
        {{QStringLiteral("importa"), QStringLiteral("armeria")},
         QStringLiteral("Archivio sconosciuto: armeria"),
         {QStringLiteral("importa ARCHIVIO --file FILE [--anno AAAA] [--prova] [--separatore X] "
                         "[--codifica utf-8|cp1252] [--colonne \"Titolo=Campo,...\"] "
                         "[--tutto-o-niente] [--valore \"Campo=valore\"] [--doppioni] "
                         "[--taglia]")}},
        {{QStringLiteral("backup"), QStringLiteral("--conserva")},
         QStringLiteral("--conserva vuole un valore, una volta."),
         {QStringLiteral("backup [--destinazione CARTELLA] [--conserva N]"),
          QStringLiteral("backup --elenco [--destinazione CARTELLA]"),
          QStringLiteral("backup --verifica FILE")}},
        {{QStringLiteral("agenda"), QStringLiteral("--oggi"), QStringLiteral("31/02/2024")},
         QStringLiteral("Data non valida: 31/02/2024"),
         {QStringLiteral("agenda")}},
    };
    for (const auto& c : cases) {
        const QString what = c.args.join(u' ');
        const CommandResult result = runCommand(c.args);
        EXPECT_EQ(result.status, 2) << qPrintable(what);
        EXPECT_EQ(result.err, c.problem + u'\n' + usageTail(c.forms)) << qPrintable(what);
        EXPECT_EQ(result.out, QString()) << qPrintable(what);
    }
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
