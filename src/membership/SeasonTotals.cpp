#include "membership/SeasonTotals.h"

#include "base/TextRules.h"
#include "export/XlsxFile.h"
#include "mailing/MemberCards.h"
#include "membership/Membership.h"
#include "membership/MembershipRules.h"
#include "membership/MembershipSettings.h"
#include "records/FieldRules.h"

namespace membership {
namespace {

using text::trimBlanks;

TotalLine& lineNamed(QList<TotalLine>& lines, const QString& name) {
    for (TotalLine& line : lines) {
        if (line.name == name) return line;
    }
    lines.append({name});
    return lines.last();
}

QString euros(qint64 cents) {
    return QStringLiteral("€ ") + fieldrules::amountText(cents, 2);
}

}  // namespace

SeasonTotals seasonTotals(const QString& season) {
    SeasonTotals totals;
    totals.season = season;
    for (const QString& kind : feeNames()) totals.byKind.append({kind});
    for (const QString& method : methodItems()) totals.byMethod.append({method});
    QList<Stored> records;
    if (!readSeason(season, &records, &totals.error)) {
        totals.ok = false;
        return totals;
    }
    for (const Stored& stored : records) {
        const TRecTessera& card = stored.card;
        const QString state = trimBlanks(card.Stato);
        const qint64 cents = fieldrules::amountUnits(card.Importo, 2).value_or(0);
        if (!trimBlanks(card.DataUscita).isEmpty()) ++totals.leftCount;
        if (state == kAnnulled) {
            ++totals.annulledCount;
            continue;
        }
        TotalLine& kind = lineNamed(totals.byKind, trimBlanks(card.Quota));
        ++kind.members;
        if (state == kPaid) {
            ++totals.paidCount;
            totals.paidTotal += cents;
            kind.paid += cents;
            TotalLine& method = lineNamed(totals.byMethod, trimBlanks(card.Metodo));
            ++method.members;
            method.paid += cents;
        } else if (trimBlanks(card.DataUscita).isEmpty()) {
            ++totals.toPayCount;
            totals.toPayTotal += cents;
            kind.toPay += cents;
        }
    }
    return totals;
}

QStringList totalsText(const SeasonTotals& totals) {
    QStringList lines{QStringLiteral("Tesseramento della stagione ") + totals.season};
    lines.append(QStringLiteral("Da pagare: %1 (%2)  Pagate: %3 (%4)  Annullate: %5  Usciti: %6")
                     .arg(totals.toPayCount)
                     .arg(euros(totals.toPayTotal))
                     .arg(totals.paidCount)
                     .arg(euros(totals.paidTotal))
                     .arg(totals.annulledCount)
                     .arg(totals.leftCount));
    lines.append(QString());
    lines.append(QStringLiteral("Per tipo di quota:"));
    for (const TotalLine& line : totals.byKind) {
        lines.append(
            QStringLiteral("  %1 soci %2  pagato %3  da pagare %4")
                .arg(line.name.leftJustified(12))
                .arg(line.members, 5)
                .arg(euros(line.paid).rightJustified(14), euros(line.toPay).rightJustified(14)));
    }
    lines.append(QString());
    lines.append(QStringLiteral("Per metodo di pagamento:"));
    for (const TotalLine& line : totals.byMethod) {
        lines.append(QStringLiteral("  %1 pagamenti %2  pagato %3")
                         .arg(line.name.leftJustified(12))
                         .arg(line.members, 5)
                         .arg(euros(line.paid).rightJustified(14)));
    }
    return lines;
}

report::Report totalsReport(const SeasonTotals& totals, const QString& association) {
    report::Page page;
    page.name = QStringLiteral("Totali");
    page.margins = QMarginsF(0, 0, 0, 0);
    page.objects.append(mailing::textInMm(QStringLiteral("txtAssociazione"), {15, 12, 180, 8},
                                          association, 14, true));
    report::TextObject body = mailing::textInMm(QStringLiteral("txtTotali"), {15, 25, 180, 250},
                                                totalsText(totals).join(u'\n'), 10, false);
    body.font.setFamily(QStringLiteral("DejaVu Sans Mono"));
    page.objects.append(body);
    report::Report result;
    result.pages.append(page);
    return result;
}

bool writeTotalsXlsx(const SeasonTotals& totals, const QString& path, QString* error) {
    xlsx::Writer writer;
    const QList<xlsx::Column> columns{
        {QStringLiteral("Raggruppamento"), 20},
        {QStringLiteral("Voce"), 16},
        {QStringLiteral("Soci o pagamenti"), 16, xlsx::CellKind::Amount, 0},
        {QStringLiteral("Pagato"), 14, xlsx::CellKind::Amount},
        {QStringLiteral("Da pagare"), 14, xlsx::CellKind::Amount},
    };
    if (!writer.open(path, QStringLiteral("Totali"), columns, error)) return false;
    for (const TotalLine& line : totals.byKind) {
        writer.addRow({QStringLiteral("Tipo di quota"), line.name, QString::number(line.members),
                       fieldrules::amountText(line.paid, 2),
                       fieldrules::amountText(line.toPay, 2)});
    }
    for (const TotalLine& line : totals.byMethod) {
        writer.addRow({QStringLiteral("Metodo di pagamento"), line.name,
                       QString::number(line.members), fieldrules::amountText(line.paid, 2),
                       QString()});
    }
    return writer.finish(error);
}

}  // namespace membership
