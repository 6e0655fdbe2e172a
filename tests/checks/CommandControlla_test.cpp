#include "checks/CommandControlla.h"

#include <gtest/gtest.h>

#include <QTextStream>

#include "app/CommandLine.h"
#include "support/CommandRun.h"

namespace {

struct CommandRun {
    int status;
    QString out;
    QString err;
};

CommandRun controlla(const QStringList& args) {
    CommandRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = commandline::controlla(args, out, err);
    out.flush();
    err.flush();
    return run;
}

TEST(CommandControlla, PrintsTheVerdictAndExitsByIt) {
    struct Case {
        QStringList args;
        int status;
        const char* out;  // UTF-8
        const char* err;
    } cases[] = {
        {{"cf", "RSSMRA85T10A562S"}, 0, "Il codice fiscale digitato è VALIDO.\n", ""},
        {{"cf", " rssmra85t10a562s "}, 0, "Il codice fiscale digitato è VALIDO.\n", ""},
        {{"cf", "RSSMRA85T10A562T"}, 1, "Attenzione: il codice fiscale digitato è ERRATO.\n", ""},
        {{"cf", "RSSMRA85T10A562"},
         2,
         "",
         "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.\n"},
        {{"piva", "12345670587"},
         0,
         "Il numero di partita IVA digitato risulta VALIDO.\n\nE' stato rilasciato dall'Ufficio "
         "IVA del Comune di Roma 1.\n",
         ""},
        {{"piva", "12345670588"},
         1,
         "Attenzione: il numero di partita IVA digitato risulta ERRATO!\n\nNon è quindi possibile "
         "fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.\n",
         ""},
        {{"iban", "it60x0542811101000000123456"}, 0, "L'IBAN digitato è VALIDO.\n", ""},
        {{"iban", "IT06X0542811101000000123456"}, 1, "Attenzione: l'IBAN digitato è ERRATO!\n", ""},
        {{"iban", "IT60", "X054", "2811", "1010", "0000", "0123", "456"},
         2,
         "",
         "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.\n"},
        {{"carta", "4111", "1111", "1111", "1111"},
         0,
         "Il numero di carta di credito 4111 1111 1111 1111 risulta valido.\n\nLa carta di "
         "credito è del tipo Visa.\n",
         ""},
        {{"carta", "0"},
         1,
         "Attenzione: il numero digitato risulta ERRATO!\n\nNon è quindi possibile fornire "
         "informazioni relative al tipo di carta di credito.\n",
         ""},
        {{"carta", ""},
         2,
         "",
         "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di "
         "controllo.\n"},
    };
    for (const Case& c : cases) {
        const CommandRun run = controlla(c.args);
        const QString args = c.args.join(u' ');
        EXPECT_EQ(run.status, c.status) << qPrintable(args);
        EXPECT_EQ(run.out, QString::fromUtf8(c.out)) << qPrintable(args);
        EXPECT_EQ(run.err, QString::fromUtf8(c.err)) << qPrintable(args);
    }
}

TEST(CommandControlla, MisuseIsAUsageError) {
    for (const QStringList& args :
         {QStringList{}, QStringList{"cf"}, QStringList{"codice", "RSSMRA85T10A562S"}}) {
        const CommandRun run = controlla(args);
        EXPECT_EQ(run.status, 2) << qPrintable(args.join(u' '));
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QStringLiteral("controlla cf|piva|iban|carta VALORE")));
    }
}

TEST(CommandControlla, RunsFromTheCommandLine) {
    const CommandResult result = runCommand(
        {QStringLiteral("controlla"), QStringLiteral("piva"), QStringLiteral("00000000000")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\n\nE' "
                                         "stato rilasciato dall'Ufficio IVA del Comune di .\n"));
    EXPECT_TRUE(commandline::usage().contains(QStringLiteral("controlla cf|piva|iban|carta")));
}

}  // namespace
