// Pays the fees of some members of a season, as a station registering
// payments would, so that a test can run two of these at once against the
// same data folder, or stop one in the middle of a payment.
//   membership_payment_worker FOLDER SEASON DATE FIRST LAST [stop-after=N]
// Pays the fees of the members with record numbers FIRST to LAST (84,00,
// contanti, on DATE), printing "Ricevuta n. K" for each. With stop-after,
// the process ends abruptly (as in a crash) right after step N of its
// first payment (membership::setPaymentStepHook).
#include <QCoreApplication>
#include <QDate>
#include <cstdio>
#include <cstdlib>

#include "base/Paths.h"
#include "membership/Membership.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 6) {
        std::fprintf(stderr, "usage: FOLDER SEASON DATE FIRST LAST [stop-after=N]\n");
        return 2;
    }
    paths::setDataFolder(args.at(1));
    const QDate date = QDate::fromString(args.at(3), QStringLiteral("dd/MM/yyyy"));
    if (args.size() > 6 && args.at(6).startsWith(QLatin1String("stop-after="))) {
        const int stop = args.at(6).mid(11).toInt();
        membership::setPaymentStepHook([stop](int step) {
            if (step == stop) std::_Exit(70);
        });
    }
    for (qsizetype member = args.at(4).toLongLong(); member <= args.at(5).toLongLong(); ++member) {
        const membership::Paid paid = membership::pay(
            {args.at(2), member, QStringLiteral("84,00"), date, QStringLiteral("contanti")});
        if (!paid.outcome.done()) {
            std::fprintf(stderr, "%s\n", qPrintable(paid.outcome.message));
            return 1;
        }
        std::printf("Ricevuta n. %lld\n", static_cast<long long>(paid.receipt));
        std::fflush(stdout);
    }
    return 0;
}
