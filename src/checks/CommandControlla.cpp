#include "checks/CommandControlla.h"

#include <array>

#include "base/CommandArgs.h"
#include "base/TextRules.h"
#include "checks/CartaCredito.h"
#include "checks/CodiceFiscale.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"

namespace commandline {
namespace {

struct Checker {
    const char* kind;
    checks::Verdict (*check)(const QString&);
};

constexpr std::array kCheckers{
    Checker{"cf", &checks::checkCodiceFiscale},
    Checker{"piva", &checks::checkPartitaIva},
    Checker{"iban", &checks::checkIban},
    Checker{"carta", &checks::checkCard},
};

// The message as lines: its line-feed and carriage-return pairs, in either
// order, each end one line.
QString asLines(const QString& message) {
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.remove(u'\r');
    return text + u'\n';
}

}  // namespace

int controlla(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString usage = QStringLiteral("controlla cf|piva|iban|carta VALORE");
    if (args.size() < 2) {
        return commandargs::usageError(
            err, QStringLiteral("Indicare il tipo di controllo e il valore da controllare."),
            usage);
    }
    for (const Checker& checker : kCheckers) {
        if (args.at(0) != QLatin1String(checker.kind)) continue;
        // The value as the checker window holds it: trimmed, upper case.
        const QString value = text::trimBlanks(args.mid(1).join(u' ')).toUpper();
        const checks::Verdict verdict = checker.check(value);
        switch (verdict.outcome) {
            case checks::Verdict::Outcome::Valid:
                out << asLines(verdict.message);
                return 0;
            case checks::Verdict::Outcome::Wrong:
                out << asLines(verdict.message);
                return 1;
            case checks::Verdict::Outcome::Unchecked:
                err << asLines(verdict.message);
                return 2;
        }
    }
    return commandargs::usageError(
        err, QStringLiteral("Tipo di controllo sconosciuto: ") + args.at(0), usage);
}

}  // namespace commandline
