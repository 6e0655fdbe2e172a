#include "membership/Receipt.h"

#include "base/TextRules.h"
#include "mailing/MemberCards.h"
#include "membership/MembershipRules.h"
#include "membership/MembershipSettings.h"
#include "records/FieldRules.h"

namespace membership {
namespace {

using mailing::textInMm;
using report::mm;
using text::trimBlanks;

constexpr double kHalf = 297.0 / 2;
constexpr double kLeft = 15;
constexpr double kWidth = 180;

report::TextObject text(const QString& name, const QRectF& rect, const QString& value,
                        double points, bool bold = false,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    report::TextObject object = textInMm(name, rect, value, points, bold);
    object.alignment = alignment;
    return object;
}

report::LineObject line(double x1, double y1, double x2, double y2, double width = 0.75) {
    report::LineObject object;
    object.line = QLineF(mm(x1), mm(y1), mm(x2), mm(y2));
    object.width = width;
    return object;
}

// One copy of the receipt, in the half page from `top` (mm).
void addCopy(QList<report::Object>& objects, double top, const QString& copy,
             const TRecTessera& card, const mailing::Association& association, bool stamp) {
    const double y = top + 10;
    objects.append(text(
        QStringLiteral("txtAssociazione"), {kLeft, y, 120, 8},
        association.name.isEmpty() ? QStringLiteral("Associazione") : association.name, 14, true));
    QStringList heading = association.address.split(u'\n', Qt::SkipEmptyParts);
    if (!association.fiscalCode.isEmpty()) {
        heading.append(QStringLiteral("Codice fiscale: ") + association.fiscalCode);
    }
    objects.append(
        text(QStringLiteral("txtIntestazione"), {kLeft, y + 8, 120, 16}, heading.join(u'\n'), 9));
    objects.append(text(QStringLiteral("txtCopia"), {135, y, 60, 5}, copy, 8, false,
                        Qt::AlignRight | Qt::AlignTop));
    objects.append(line(kLeft, y + 25, kLeft + kWidth, y + 25, 1));

    const QString number = QStringLiteral("RICEVUTA N. %1/%2")
                               .arg(trimBlanks(card.Ricevuta), trimBlanks(card.AnnoRic));
    objects.append(text(QStringLiteral("txtNumero"), {kLeft, y + 29, 110, 8}, number, 14, true));
    objects.append(text(QStringLiteral("txtData"), {125, y + 29, 70, 8},
                        QStringLiteral("Data: ") + trimBlanks(card.DataPag), 12, false,
                        Qt::AlignRight | Qt::AlignTop));

    const auto cents = fieldrules::amountUnits(card.Importo, 2).value_or(0);
    const QString amount = fieldrules::amountText(cents, 2);
    QString member = trimBlanks(card.Socio);
    if (!trimBlanks(card.CodFisc).isEmpty()) {
        member += QStringLiteral(", codice fiscale ") + trimBlanks(card.CodFisc);
    }
    member += QStringLiteral(", socio n. ") + trimBlanks(card.Scheda);
    report::TextObject body =
        text(QStringLiteral("txtCorpo"), {kLeft, y + 41, kWidth, 22},
             QStringLiteral("Si dichiara di aver ricevuto da %1 la somma di € %2 quale quota "
                            "associativa stagione %3 (quota %4).")
                 .arg(member, amount, trimBlanks(card.Stagione), trimBlanks(card.Quota)),
             11);
    body.wordWrap = true;
    objects.append(body);
    objects.append(text(QStringLiteral("txtImporto"), {kLeft, y + 64, 90, 7},
                        QStringLiteral("Importo: € ") + amount, 12, true));
    objects.append(text(QStringLiteral("txtLettere"), {kLeft, y + 72, kWidth, 7},
                        QStringLiteral("In lettere: ") + amountInWords(cents), 11));
    objects.append(text(QStringLiteral("txtMetodo"), {kLeft, y + 80, 120, 7},
                        QStringLiteral("Pagamento: ") + trimBlanks(card.Metodo), 11));

    if (stamp) {
        report::ShapeObject box;
        box.rect = QRectF(mm(kLeft), mm(y + 92), mm(24), mm(28));
        box.frameWidth = 0.75;
        objects.append(box);
        objects.append(text(QStringLiteral("txtMarca"), {kLeft, y + 92, 24, 28},
                            QStringLiteral("Marca da\nbollo"), 8, false, Qt::AlignCenter));
    }
    objects.append(text(QStringLiteral("txtPerAssociazione"), {115, y + 92, 80, 6},
                        QStringLiteral("Per l'associazione"), 10, false, Qt::AlignHCenter));
    objects.append(line(120, y + 112, 190, y + 112));
    objects.append(text(QStringLiteral("txtFirma"), {115, y + 113, 80, 6}, association.signature, 9,
                        false, Qt::AlignHCenter));

    if (trimBlanks(card.Stato) == kAnnulled) {
        report::TextObject annulled =
            text(QStringLiteral("txtAnnullata"), {kLeft, y + 48, kWidth, 30},
                 QStringLiteral("ANNULLATA"), 48, true, Qt::AlignCenter);
        annulled.color = QColor(200, 0, 0);
        objects.append(annulled);
    }
}

}  // namespace

bool needsStamp(qint64 cents, const QString& threshold) {
    const auto limit = fieldrules::amountUnits(threshold, 2);
    return limit && cents > *limit;
}

report::Report receiptReport(const TRecTessera& card, const mailing::Association& association,
                             const QString& stampThreshold) {
    report::Page page;
    page.name = QStringLiteral("Ricevuta");
    page.margins = QMarginsF(0, 0, 0, 0);
    const bool stamp =
        needsStamp(fieldrules::amountUnits(card.Importo, 2).value_or(0), stampThreshold);
    addCopy(page.objects, 0, QStringLiteral("Copia per l'associazione"), card, association, stamp);
    report::LineObject cut = line(5, kHalf, 205, kHalf, 0.5);
    cut.color = Qt::gray;
    page.objects.append(cut);
    addCopy(page.objects, kHalf, QStringLiteral("Copia per il socio"), card, association, stamp);
    report::Report result;
    result.pages.append(page);
    return result;
}

bool writeReceiptPdf(const TRecTessera& card, const QString& path, const QDate& today,
                     QString* error) {
    const report::Report page =
        receiptReport(card, mailing::association(), settingsNow().stampThreshold);
    return report::writePdf(report::prepare(page, today), path, error);
}

}  // namespace membership
