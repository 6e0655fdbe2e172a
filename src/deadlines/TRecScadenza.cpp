#include "deadlines/TRecScadenza.h"

#include "base/Paths.h"

// The yearly files have no one name: the layout's file name is the first
// year's pattern only for reference, each window names its year's file.
SELVADORO_DEFINE_RECORD(TRecScadenza, SELVADORO_DEADLINE_FIELDS, "0000.sca",
                        FieldEncoding::LengthPrefixed, deadlines::kRecordSize)
static_assert(TRecScadenza::Field::Count == 25);

namespace deadlines {

bool isYear(const QString& text) {
    if (text.size() != 4) return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

QString yearFilePath(const QString& year) {
    Q_ASSERT_X(isYear(year), "yearFilePath", "not a four-digit year");
    return paths::dataFile(year + QStringLiteral(".sca"));
}

}  // namespace deadlines
