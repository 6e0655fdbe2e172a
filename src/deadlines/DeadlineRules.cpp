#include "deadlines/DeadlineRules.h"

#include <QFileInfo>
#include <array>

#include "base/TextRules.h"
#include "lists/RecordList.h"
#include "records/FieldRules.h"

namespace deadlines {
namespace {

using text::trimBlanks;
using F = TRecScadenza::Field;

constexpr std::array<const char*, 12> kMonths{"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                              "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                              "Settembre", "Ottobre",  "Novembre", "Dicembre"};

// The longest notice a deadline can give: three digits of days.
constexpr int kLongestNotice = 999;

QStringList twoDigitItems(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items.append(QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')));
    return items;
}

SaveCheck warning(const char* what, const char* control) {
    return missingField(what, control);
}

}  // namespace

QStringList dayItems() {
    return twoDigitItems(1, 31);
}

QStringList monthNames() {
    QStringList names;
    for (const char* month : kMonths) names.append(QString::fromLatin1(month));
    return names;
}

QStringList hourItems() {
    return twoDigitItems(0, 23);
}

QStringList minuteItems() {
    return twoDigitItems(0, 59);
}

int monthNumber(const QString& name) {
    const QString wanted = trimBlanks(name).toLower();
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (wanted == QString::fromLatin1(kMonths[i]).toLower()) return int(i) + 1;
    }
    return 0;
}

QString monthName(int month) {
    return month >= 1 && month <= 12 ? QString::fromLatin1(kMonths[std::size_t(month - 1)])
                                     : QString();
}

QString yearText(int year) {
    Q_ASSERT(year >= 1 && year <= 9999);
    return QStringLiteral("%1").arg(year, 4, 10, QChar(u'0'));
}

std::optional<QDate> parseDate(const QString& text) {
    // Read by hand rather than by a pattern: the imminent list reads the
    // date of every deadline of the year.
    const QString date = trimBlanks(text);
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    for (const QChar c : date) {
        if (c == u'/') {
            if (++part > 2) return std::nullopt;
        } else if (c >= u'0' && c <= u'9' && digits[part] < 4) {
            parts[part] = parts[part] * 10 + (c.unicode() - u'0');
            ++digits[part];
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 ||
        digits[2] != 4) {
        return std::nullopt;
    }
    const QDate parsed(parts[2], parts[1], parts[0]);
    if (!parsed.isValid()) return std::nullopt;
    return parsed;
}

QString builtDate(const TRecScadenza& card) {
    const int month = monthNumber(card.Mese);
    const QString number =
        month > 0 ? QStringLiteral("%1").arg(month, 2, 10, QChar(u'0')) : QString();
    return trimBlanks(card.Giorno) + u'/' + number + u'/' + trimBlanks(card.Anno);
}

std::optional<SaveCheck> checkForSave(const TRecScadenza& card) {
    const QString day = trimBlanks(card.Giorno);
    const QString hours = trimBlanks(card.OreApp);
    const QString minutes = trimBlanks(card.MinutiApp);
    if (day.isEmpty()) return warning("il giorno della scadenza.", "txtGiorno");
    if (day.size() < 2) return warning("il giorno della scadenza usando due cifre.", "txtGiorno");
    if (trimBlanks(card.Mese).isEmpty()) return warning("il mese della scadenza.", "txtMese");
    if (hours.isEmpty()) return warning("l'ora dell'appuntamento.", "txtOreApp");
    if (minutes.isEmpty()) return warning("i minuti dell'ora dell'appuntamento.", "txtMinutiApp");
    // A pasted text still in its field when Save is pressed has not been
    // erased by leaving it: hours and minutes must be items of their lists.
    if (hours.size() < 2 || !hourItems().contains(hours)) {
        return warning("l'ora dell'appuntamento usando due cifre.", "txtOreApp");
    }
    if (minutes.size() < 2 || !minuteItems().contains(minutes)) {
        return warning("i minuti dell'ora dell'appuntamento usando due cifre.", "txtMinutiApp");
    }
    if (trimBlanks(card.Avviso).isEmpty()) return warning("i giorni di preavviso.", "txtAvviso");
    if (trimBlanks(card.Cliente).isEmpty()) return warning("il nome del cacciatore.", "txtCliente");
    if (trimBlanks(card.Dettagli).isEmpty()) {
        return warning("la causale della scadenza.", "txtDettagli");
    }
    const QString validDate = QStringLiteral(
        "\n\r\n\rPer poter salvare la scheda è necessario indicare una data valida.");
    if (monthNumber(card.Mese) == 0) {
        return SaveCheck{
            SaveCheck::Kind::Warning,
            QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.") + validDate,
            QStringLiteral("txtMese")};
    }
    const QString date = builtDate(card);
    if (!parseDate(date)) {
        return SaveCheck{SaveCheck::Kind::Plain,
                         QStringLiteral("Attenzione: la data ") + date +
                             QStringLiteral(" non esiste.") + validDate,
                         QStringLiteral("txtGiorno")};
    }
    return std::nullopt;
}

void deriveFields(TRecScadenza& card) {
    card.Ora = trimBlanks(card.OreApp) + u':' + trimBlanks(card.MinutiApp);
    card.Data = builtDate(card);
}

QString formatAmount(const QString& text) {
    const QString zero = QStringLiteral("0,00");
    if (trimBlanks(text).isEmpty()) return zero;
    const auto rounded = fieldrules::roundedAmount(text, 4);
    if (!rounded) return zero;
    // The shortest form: no trailing zeros, no comma without decimals.
    QString amount = *rounded;
    while (amount.endsWith(u'0')) amount.chop(1);
    if (amount.endsWith(u',')) amount.chop(1);
    const qsizetype comma = amount.indexOf(u',');
    if (comma < 0) return amount + QStringLiteral(",00");
    if (amount.size() - comma == 2) return amount + u'0';
    return amount;
}

QString chronologicalKey(const FieldValues& values) {
    return trimBlanks(values.value(F::Data)).mid(3, 2) + trimBlanks(values.value(F::Giorno)) +
           trimBlanks(values.value(F::OreApp)) + trimBlanks(values.value(F::MinutiApp));
}

std::optional<bool> imminence(const FieldValues& values, const QDate& today) {
    const auto date = parseDate(values.value(F::Data));
    const QString notice = trimBlanks(values.value(F::Avviso));
    if (!date || !text::isAllDigits(notice)) return std::nullopt;
    return date->addDays(-notice.toInt()) <= today && today <= *date;
}

bool isImminent(const FieldValues& values, const QDate& today) {
    return imminence(values, today).value_or(false);
}

QStringList imminentFiles(const QDate& today) {
    QStringList files;
    const int last = qMin(today.addDays(kLongestNotice).year(), 9999);
    for (int year = today.year(); year >= 1 && year <= last; ++year) {
        const QString path = yearFilePath(yearText(year));
        if (year == today.year() || QFileInfo(path).isFile()) files.append(path);
    }
    return files;
}

ImminentCheck checkImminent(const QDate& today, const ScanProgress& progress) {
    ImminentCheck check;
    const auto imminent = [&today](const FieldValues& values) { return isImminent(values, today); };
    const QStringList files = imminentFiles(today);
    for (qsizetype f = 0; f < files.size(); ++f) {
        // Each file counts for an equal share of the whole.
        constexpr qint64 kShare = 1000;
        const ScanProgress fileProgress = [&](qint64 done, qint64 total) {
            if (!progress(f * kShare + done * kShare / qMax<qint64>(total, 1),
                          files.size() * kShare)) {
                check.cancelled = true;
            }
            return !check.cancelled;
        };
        qsizetype count = 0;
        const bool read =
            countRecords(TRecScadenza::layout(), files.at(f), imminent, {F::Data, F::Avviso},
                         &count, progress ? fileProgress : ScanProgress());
        check.count += count;
        if (check.cancelled) return check;
        if (!read) check.readable = false;
    }
    return check;
}

}  // namespace deadlines
