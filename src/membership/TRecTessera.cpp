#include "membership/TRecTessera.h"

#include "base/Paths.h"
#include "base/TextRules.h"
#include "membership/MembershipSettings.h"

// The seasons' files have no one name: the layout's file name is the
// pattern of the first season's file only for reference.
SELVADORO_DEFINE_RECORD(TRecTessera, SELVADORO_MEMBERSHIP_FIELDS, "Tesseramento-0000.tes",
                        FieldEncoding::LengthPrefixed, membership::kRecordSize)
static_assert(TRecTessera::Field::Count == 16);

namespace membership {

namespace {

bool isYearText(const QString& text) {
    return text.size() == 4 && text::isAllDigits(text);
}

}  // namespace

bool isSeason(const QString& text) {
    if (text.size() != 9 || text.at(4) != u'/') return false;
    const QString first = text.left(4);
    const QString second = text.mid(5);
    return isYearText(first) && isYearText(second) && first.toInt() < 9999 &&
           second.toInt() == first.toInt() + 1;
}

QString seasonYear(const QString& season) {
    return isSeason(season) ? season.left(4) : QString();
}

QString seasonOfYear(const QString& year) {
    if (!isYearText(year) || year.toInt() >= 9999) return {};
    return year + u'/' + QStringLiteral("%1").arg(year.toInt() + 1, 4, 10, QChar(u'0'));
}

QString seasonOn(const QDate& day) {
    const Settings settings = settingsNow();
    const bool before =
        day.month() < settings.seasonStartMonth ||
        (day.month() == settings.seasonStartMonth && day.day() < settings.seasonStartDay);
    const int first = before ? day.year() - 1 : day.year();
    return seasonOfYear(QStringLiteral("%1").arg(first, 4, 10, QChar(u'0')));
}

QDate seasonFirstDay(const QString& season) {
    const Settings settings = settingsNow();
    return QDate(seasonYear(season).toInt(), settings.seasonStartMonth, settings.seasonStartDay);
}

QDate seasonLastDay(const QString& season) {
    return seasonFirstDay(season).addYears(1).addDays(-1);
}

QString seasonFilePath(const QString& year) {
    Q_ASSERT_X(isYearText(year), "seasonFilePath", "not a four-digit year");
    return paths::dataFile(QStringLiteral("Tesseramento-") + year + QStringLiteral(".tes"));
}

QString seasonFile(const QString& season) {
    return seasonFilePath(seasonYear(season));
}

}  // namespace membership
