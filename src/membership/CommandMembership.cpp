#include "membership/CommandMembership.h"

#include <QMap>

#include "base/Seams.h"
#include "base/TextRules.h"
#include "mailing/MailingSettings.h"
#include "membership/MemberRegister.h"
#include "membership/Membership.h"
#include "membership/Receipt.h"
#include "membership/SeasonTotals.h"
#include "records/FieldRules.h"
#include "report/Report.h"

namespace membership {

const char* const kMembershipUsage =
    "tesseramento rinnova --stagione AAAA/AAAA\n"
    "                             crea le schede \"da pagare\" della stagione per i soci\n"
    "                             della stagione precedente (la prima volta: ogni cacciatore)\n"
    "  tesseramento paga --stagione AAAA/AAAA --scheda N --importo 84,00\n"
    "          --data gg/mm/aaaa --metodo contanti|bonifico|POS|assegno\n"
    "                             registra il pagamento della quota e ne dà la ricevuta\n"
    "  tesseramento annulla --stagione AAAA/AAAA --scheda N\n"
    "                             annulla il pagamento (la ricevuta resta, ANNULLATA)\n"
    "  tesseramento totali --stagione AAAA/AAAA [--pdf FILE] [--xlsx FILE]\n"
    "                             soci e importi per tipo di quota e metodo di pagamento";
const char* const kReceiptUsage =
    "ricevuta K --anno AAAA --pdf FILE\n"
    "                             scrive in PDF la ricevuta n. K dell'anno";
const char* const kRegisterUsage =
    "libro-soci --al gg/mm/aaaa --pdf FILE | --xlsx FILE\n"
    "                             scrive il libro dei soci a una data, in PDF o in Excel";

namespace {

int usage(QTextStream& err, const QString& message, const char* usageText) {
    err << message << "\n\nUso: selvadoro " << QString::fromUtf8(usageText) << "\n";
    return 2;
}

// "--name value" pairs, each allowed name at most once; the positional
// arguments apart. False (a usage error written) for anything else.
bool parseOptions(const QStringList& args, const QStringList& allowed,
                  QMap<QString, QString>* options, QStringList* positional, QTextStream& err,
                  const char* usageText, int* status) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            positional->append(arg);
            continue;
        }
        if (!allowed.contains(arg)) {
            *status = usage(err, QStringLiteral("Opzione sconosciuta: ") + arg, usageText);
            return false;
        }
        if (options->contains(arg) || i + 1 >= args.size()) {
            *status = usage(err, arg + QStringLiteral(" vuole un valore, una volta."), usageText);
            return false;
        }
        options->insert(arg, args.at(++i));
    }
    return true;
}

int outcomeStatus(const Outcome& outcome, QTextStream& err) {
    if (outcome.done()) return 0;
    err << outcome.message << "\n";
    return 1;
}

int totalsCommand(const QString& season, const QMap<QString, QString>& options, QTextStream& out,
                  QTextStream& err) {
    const SeasonTotals totals = seasonTotals(season);
    if (!totals.ok) {
        err << totals.error << "\n";
        return 1;
    }
    for (const QString& line : totalsText(totals)) out << line << "\n";
    QString error;
    if (options.contains(QStringLiteral("--pdf"))) {
        const QString file = options.value(QStringLiteral("--pdf"));
        if (!report::writePdf(report::prepare(totalsReport(totals, mailing::association().name),
                                              seams::clock().today()),
                              file, &error)) {
            err << "Impossibile scrivere il PDF: " << error << "\n";
            return 1;
        }
        out << "Scritto " << file << "\n";
    }
    if (options.contains(QStringLiteral("--xlsx"))) {
        const QString file = options.value(QStringLiteral("--xlsx"));
        if (!writeTotalsXlsx(totals, file, &error)) {
            err << "Impossibile scrivere il foglio: " << error << "\n";
            return 1;
        }
        out << "Scritto " << file << "\n";
    }
    return 0;
}

}  // namespace

int tesseramento(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString action = args.value(0);
    const QMap<QString, QStringList> allowed{
        {QStringLiteral("rinnova"), {QStringLiteral("--stagione")}},
        {QStringLiteral("paga"),
         {QStringLiteral("--stagione"), QStringLiteral("--scheda"), QStringLiteral("--importo"),
          QStringLiteral("--data"), QStringLiteral("--metodo")}},
        {QStringLiteral("annulla"), {QStringLiteral("--stagione"), QStringLiteral("--scheda")}},
        {QStringLiteral("totali"),
         {QStringLiteral("--stagione"), QStringLiteral("--pdf"), QStringLiteral("--xlsx")}},
    };
    if (!allowed.contains(action)) {
        return usage(err, QStringLiteral("Azione sconosciuta: ") + action, kMembershipUsage);
    }
    QMap<QString, QString> options;
    QStringList positional;
    int status = 0;
    if (!parseOptions(args.mid(1), allowed.value(action), &options, &positional, err,
                      kMembershipUsage, &status)) {
        return status;
    }
    if (!positional.isEmpty()) {
        return usage(err, QStringLiteral("Argomenti non validi: ") + positional.join(u' '),
                     kMembershipUsage);
    }
    for (const QString& name : allowed.value(action)) {
        const bool optional = name == QLatin1String("--pdf") || name == QLatin1String("--xlsx");
        if (!optional && !options.contains(name)) {
            return usage(err, QStringLiteral("Manca l'opzione ") + name + u'.', kMembershipUsage);
        }
    }
    const QString season = options.value(QStringLiteral("--stagione"));
    if (!isSeason(season)) {
        return usage(
            err,
            QStringLiteral("Stagione non valida: %1 (scrivere per esempio 2026/2027).").arg(season),
            kMembershipUsage);
    }
    if (action == QLatin1String("totali")) return totalsCommand(season, options, out, err);
    if (action == QLatin1String("rinnova")) {
        const Renewal renewal = renew(season);
        if (!renewal.outcome.done()) return outcomeStatus(renewal.outcome, err);
        out << "Stagione " << season << ": " << renewal.added << " soci aggiunti, "
            << renewal.present << " già presenti.\n";
        return 0;
    }
    const QString memberText = options.value(QStringLiteral("--scheda"));
    bool numberOk = false;
    const qsizetype member = memberText.toLongLong(&numberOk);
    if (!numberOk || member <= 0 || !text::isAllDigits(memberText)) {
        return usage(err, QStringLiteral("Numero di scheda non valido: ") + memberText,
                     kMembershipUsage);
    }
    if (action == QLatin1String("annulla")) {
        const Outcome outcome = annul(season, member);
        if (outcome.done()) out << "Pagamento annullato.\n";
        return outcomeStatus(outcome, err);
    }
    const QString dateText = options.value(QStringLiteral("--data"));
    const auto date = fieldrules::parseDate(dateText);
    if (!date) {
        err << "Data del pagamento non valida: " << dateText << " (gg/mm/aaaa).\n";
        return 1;
    }
    const Paid paid = pay({season, member, options.value(QStringLiteral("--importo")), *date,
                           options.value(QStringLiteral("--metodo"))});
    if (!paid.outcome.done()) return outcomeStatus(paid.outcome, err);
    out << "Ricevuta n. " << paid.receipt << "\n";
    return 0;
}

int ricevuta(const QStringList& args, QTextStream& out, QTextStream& err) {
    QMap<QString, QString> options;
    QStringList positional;
    int status = 0;
    if (!parseOptions(args, {QStringLiteral("--anno"), QStringLiteral("--pdf")}, &options,
                      &positional, err, kReceiptUsage, &status)) {
        return status;
    }
    bool numberOk = false;
    const qint64 number = positional.value(0).toLongLong(&numberOk);
    const QString year = options.value(QStringLiteral("--anno"));
    if (positional.size() != 1 || !numberOk || number <= 0 ||
        !options.contains(QStringLiteral("--pdf")) || year.size() != 4 ||
        !text::isAllDigits(year)) {
        return usage(err, QStringLiteral("Argomenti non validi."), kReceiptUsage);
    }
    QString error;
    const auto card = findReceipt(number, year.toInt(), &error);
    if (!card) {
        err << (error.isEmpty()
                    ? QStringLiteral("Nessuna ricevuta n. %1 dell'anno %2.").arg(number).arg(year)
                    : error)
            << "\n";
        return 1;
    }
    const QString file = options.value(QStringLiteral("--pdf"));
    if (!writeReceiptPdf(*card, file, seams::clock().today(), &error)) {
        err << "Impossibile scrivere il PDF: " << error << "\n";
        return 1;
    }
    out << "Scritta la ricevuta n. " << number << "/" << year << " in " << file << "\n";
    return 0;
}

int libroSoci(const QStringList& args, QTextStream& out, QTextStream& err) {
    QMap<QString, QString> options;
    QStringList positional;
    int status = 0;
    if (!parseOptions(args,
                      {QStringLiteral("--al"), QStringLiteral("--pdf"), QStringLiteral("--xlsx")},
                      &options, &positional, err, kRegisterUsage, &status)) {
        return status;
    }
    const bool pdf = options.contains(QStringLiteral("--pdf"));
    const bool xlsx = options.contains(QStringLiteral("--xlsx"));
    if (!positional.isEmpty() || pdf == xlsx) {
        return usage(err, QStringLiteral("Indicare --pdf FILE oppure --xlsx FILE."),
                     kRegisterUsage);
    }
    const QString dateText =
        options.value(QStringLiteral("--al"), fieldrules::formatDate(seams::clock().today()));
    const auto at = fieldrules::parseDate(dateText);
    if (!at) return usage(err, QStringLiteral("Data non valida: ") + dateText, kRegisterUsage);
    const Register data = readRegister(*at);
    if (!data.ok) {
        err << data.error << "\n";
        return 1;
    }
    QString error;
    const QString file = options.value(pdf ? QStringLiteral("--pdf") : QStringLiteral("--xlsx"));
    const bool written =
        pdf ? writeRegisterPdf(data, *at, file, &error) : writeRegisterXlsx(data, file, &error);
    if (!written) {
        err << "Impossibile scrivere il libro dei soci: " << error << "\n";
        return 1;
    }
    out << "Libro dei soci al " << fieldrules::formatDate(*at) << ": " << data.rows.size()
        << " soci, scritto in " << file << "\n";
    return 0;
}

}  // namespace membership
