#include "mailing/MailingJobs.h"

#include "base/ImageFiles.h"
#include "report/PdfPages.h"

namespace mailing {

bool makesLabels(const ArchiveDefinition& archive) {
    return archive.mailing != nullptr;
}

bool makesCards(const ArchiveDefinition& archive) {
    return archive.mailing && archive.mailing->taxCode && archive.mailing->cardNumber;
}

QImage associationLogo(const QSizeF& box, QString* error) {
    const QString path = association().logo;
    if (path.isEmpty()) return {};
    return images::readFitting(path, report::printPixels(box), error);
}

LabelJob labelJob(const ArchiveDefinition& archive, const QList<Member>& members,
                  const LabelFormat& format, int start) {
    LabelJob job;
    QList<Label> labels;
    QStringList names;
    for (const Member& member : members) {
        const QStringList lines = addressLines(*archive.mailing, member.values);
        const QString name = nameOf(*archive.mailing, member.values);
        if (lines.isEmpty()) {
            job.withoutAddress.append(name);
            continue;
        }
        labels.append(Label{lines, keptEnds(*archive.mailing, member.values)});
        names.append(name);
    }
    job.labels = int(labels.size());
    QList<LabelFit> fits;
    job.report = labelSheets(format, labels, start, &fits);
    for (qsizetype i = 0; i < fits.size(); ++i) {
        if (fits.at(i) == LabelFit::Shrunk) job.shrunk.append(names.at(i));
        if (fits.at(i) == LabelFit::Cut) job.cut.append(names.at(i));
    }
    return job;
}

namespace {

QList<CardData> cardsOf(const ArchiveDefinition& archive, const QList<Member>& members) {
    const MailingFields& fields = *archive.mailing;
    QList<CardData> cards;
    for (const Member& member : members) {
        cards.append(CardData{nameOf(fields, member.values),
                              fieldText(member.values, *fields.taxCode),
                              fieldText(member.values, *fields.cardNumber), member.record});
    }
    return cards;
}

}  // namespace

report::Report cardJob(const ArchiveDefinition& archive, const QList<Member>& members,
                       const QString& season) {
    return memberCards(cardsOf(archive, members), association().name,
                       associationLogo(QSizeF(report::mm(11), report::mm(11))), season);
}

bool writeCardsPdf(const ArchiveDefinition& archive, const QList<Member>& members,
                   const QString& season, const QDate& today, const QString& path, QString* error,
                   const WorkProgress& progress) {
    const QList<CardData> cards = cardsOf(archive, members);
    const QString name = association().name;
    const QImage logo = associationLogo(QSizeF(report::mm(11), report::mm(11)));
    return report::writePdfPages(
        cardPageCount(cards.size()),
        [&](qsizetype page) {
            return report::prepare(memberCardPage(cards, page, name, logo, season), today)
                .pages.first();
        },
        path, error, progress);
}

QString withoutAddressMessage(const QStringList& names) {
    return QStringLiteral("Schede senza indirizzo, escluse: ") + names.join(QStringLiteral(", ")) +
           u'.';
}

QString fitMessage(const LabelJob& job) {
    QStringList lines;
    if (!job.shrunk.isEmpty()) {
        lines.append(QStringLiteral("Etichette scritte più piccole per farle stare: ") +
                     job.shrunk.join(QStringLiteral(", ")) + u'.');
    }
    if (!job.cut.isEmpty()) {
        lines.append(
            QStringLiteral("Etichette accorciate perché non stanno nemmeno più piccole: ") +
            job.cut.join(QStringLiteral(", ")) + u'.');
    }
    return lines.join(u'\n');
}

QString emptySelectionMessage() {
    return QStringLiteral("Nessuna scheda da stampare.");
}

}  // namespace mailing
