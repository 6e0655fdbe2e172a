#include "membership/MemberRegister.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>

#include "base/Paths.h"
#include "base/TextRules.h"
#include "export/XlsxFile.h"
#include "mailing/MailingSettings.h"
#include "mailing/MemberCards.h"
#include "membership/Membership.h"
#include "records/FieldRules.h"
#include "report/PdfPages.h"

namespace membership {
namespace {

using mailing::textInMm;
using report::mm;
using text::trimBlanks;

struct Column {
    const char* header;
    double width;  // mm
    QString RegisterRow::*value;
    xlsx::CellKind kind = xlsx::CellKind::Text;
};

const QList<Column>& columns() {
    static const QList<Column> list{
        {"Cognome e nome", 48, &RegisterRow::name},
        {"Data di nascita", 22, &RegisterRow::birthDate, xlsx::CellKind::Date},
        {"Luogo di nascita", 34, &RegisterRow::birthPlace},
        {"Codice fiscale", 36, &RegisterRow::taxCode, xlsx::CellKind::Code},
        {"Residenza", 58, &RegisterRow::residence},
        {"Data iscrizione", 22, &RegisterRow::admission, xlsx::CellKind::Date},
        {"Data uscita", 22, &RegisterRow::exitDate, xlsx::CellKind::Date},
        {"Motivo uscita", 21, &RegisterRow::exitReason},
    };
    return list;
}
constexpr double kNumberWidth = 14;
constexpr double kLeft = 10;
constexpr double kTableTop = 30;
constexpr double kRowHeight = 7;

QString title(const QDate& at) {
    return QStringLiteral("Libro dei soci al ") + fieldrules::formatDate(at);
}

// The season files in the data folder, by first year.
QMap<int, QString> seasonFiles() {
    QMap<int, QString> files;
    const QRegularExpression pattern(QStringLiteral("^Tesseramento-([0-9]{4})\\.tes$"));
    const QDir folder(paths::dataFolder());
    for (const QString& name : folder.entryList(QDir::Files)) {
        const auto match = pattern.match(name);
        if (match.hasMatch()) files.insert(match.captured(1).toInt(), folder.filePath(name));
    }
    return files;
}

report::TextObject cell(const QRectF& rect, const QString& value, double points, bool bold,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    report::TextObject object = textInMm(QString(), rect, value, points, bold);
    object.alignment = alignment;
    return object;
}

report::LineObject rule(double x1, double y1, double x2, double y2) {
    report::LineObject line;
    line.line = QLineF(mm(x1), mm(y1), mm(x2), mm(y2));
    line.width = 0.5;
    return line;
}

}  // namespace

Register readRegister(const QDate& at) {
    Register result;
    QList<Hunter> hunterList;
    if (!readHunters(&hunterList, &result.error)) {
        result.ok = false;
        return result;
    }
    // Each member's last exit by `at`, and whether he had a membership.
    struct Exit {
        QDate date;
        QString reason;
    };
    QMap<qsizetype, Exit> exits;
    QSet<qsizetype> members;
    const QMap<int, QString> files = seasonFiles();
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString season = seasonOfYear(QStringLiteral("%1").arg(it.key(), 4, 10, QChar(u'0')));
        if (season.isEmpty() || seasonFirstDay(season) > at) continue;
        QList<Stored> records;
        if (!readSeason(season, &records, &result.error)) {
            result.ok = false;
            return result;
        }
        for (const Stored& stored : records) {
            const qsizetype member = trimBlanks(stored.card.Scheda).toLongLong();
            members.insert(member);
            const auto date = fieldrules::parseDate(stored.card.DataUscita);
            if (date && *date <= at && (!exits.contains(member) || exits[member].date < *date)) {
                exits.insert(member, {*date, trimBlanks(stored.card.Motivo)});
            }
        }
    }
    for (const Hunter& hunter : hunterList) {
        const auto admitted = fieldrules::parseDate(hunter.person.admission);
        const bool inRegister = admitted ? *admitted <= at : members.contains(hunter.number);
        if (!inRegister) continue;
        RegisterRow row{hunter.number,
                        hunter.fullName(),
                        hunter.person.birthDate,
                        hunter.person.birthPlace,
                        hunter.person.taxCode,
                        hunter.person.residence,
                        hunter.person.admission,
                        {},
                        {}};
        if (exits.contains(hunter.number)) {
            row.exitDate = fieldrules::formatDate(exits[hunter.number].date);
            row.exitReason = exits[hunter.number].reason;
        }
        result.rows.append(row);
    }
    return result;
}

qsizetype registerPageCount(qsizetype rows) {
    return std::max<qsizetype>(1, (rows + kRegisterRowsPerPage - 1) / kRegisterRowsPerPage);
}

report::Report registerPage(const QList<RegisterRow>& rows, qsizetype index, const QDate& at,
                            const QString& association) {
    report::Page page;
    page.name = QStringLiteral("LibroSoci");
    page.orientation = QPageLayout::Landscape;
    page.margins = QMarginsF(0, 0, 0, 0);
    auto& objects = page.objects;
    constexpr double kWidth = 277;
    objects.append(
        cell({kLeft, 8, kWidth, 8}, association, 14, true, Qt::AlignHCenter | Qt::AlignTop));
    objects.append(
        cell({kLeft, 17, kWidth, 7}, title(at), 12, true, Qt::AlignHCenter | Qt::AlignTop));

    // The header row, then the page's rows, each under a rule.
    double y = kTableTop;
    const auto addRow = [&](const QStringList& texts, bool bold) {
        double x = kLeft;
        objects.append(cell({x + 1, y, kNumberWidth - 2, kRowHeight}, texts.at(0), 8, bold,
                            Qt::AlignRight | Qt::AlignVCenter));
        x += kNumberWidth;
        for (qsizetype i = 0; i < columns().size(); ++i) {
            objects.append(
                cell({x + 1, y, columns().at(i).width - 2, kRowHeight}, texts.at(i + 1), 8, bold));
            x += columns().at(i).width;
        }
        y += kRowHeight;
        objects.append(rule(kLeft, y, kLeft + kWidth, y));
    };
    objects.append(rule(kLeft, y, kLeft + kWidth, y));
    QStringList header{QStringLiteral("N. socio")};
    for (const Column& column : columns()) header.append(QString::fromUtf8(column.header));
    addRow(header, true);
    const qsizetype first = index * kRegisterRowsPerPage;
    for (qsizetype i = first; i < std::min(rows.size(), first + kRegisterRowsPerPage); ++i) {
        const RegisterRow& row = rows.at(i);
        QStringList texts{QString::number(row.number)};
        for (const Column& column : columns()) texts.append(row.*(column.value));
        addRow(texts, false);
    }
    if (rows.isEmpty()) {
        objects.append(cell({kLeft, y + 2, kWidth, kRowHeight},
                            QStringLiteral("Nessun socio iscritto a questa data."), 10, false));
    }
    objects.append(
        cell({kLeft, 196, kWidth, 6},
             QStringLiteral("Pagina %1 di %2").arg(index + 1).arg(registerPageCount(rows.size())),
             9, false, Qt::AlignHCenter | Qt::AlignVCenter));
    report::Report result;
    result.pages.append(page);
    return result;
}

bool writeRegisterPdf(const Register& data, const QDate& at, const QString& path, QString* error,
                      const WorkProgress& progress) {
    const QString association = mailing::association().name;
    return report::writePdfPages(
        registerPageCount(data.rows.size()),
        [&](qsizetype index) {
            return report::prepare(registerPage(data.rows, index, at, association), at)
                .pages.first();
        },
        path, error, progress);
}

bool writeRegisterXlsx(const Register& data, const QString& path, QString* error) {
    QList<xlsx::Column> sheetColumns{{QStringLiteral("N. socio"), 10}};
    for (const Column& column : columns()) {
        sheetColumns.append({QString::fromUtf8(column.header), column.width / 2.2, column.kind});
    }
    xlsx::Writer writer;
    if (!writer.open(path, QStringLiteral("Libro soci"), sheetColumns, error)) return false;
    for (const RegisterRow& row : data.rows) {
        QStringList cells{QString::number(row.number)};
        for (const Column& column : columns()) cells.append(row.*(column.value));
        writer.addRow(cells);
    }
    return writer.finish(error);
}

}  // namespace membership
