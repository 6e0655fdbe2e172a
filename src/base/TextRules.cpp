#include "base/TextRules.h"

#include <algorithm>

namespace text {

QString trimBlanks(const QString& s) {
    if (s.isEmpty() || (s.front().unicode() > 0x20 && s.back().unicode() > 0x20)) return s;
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin).unicode() <= 0x20) ++begin;
    while (end > begin && s.at(end - 1).unicode() <= 0x20) --end;
    return s.mid(begin, end - begin);
}

bool isAllDigits(const QString& s) {
    if (s.isEmpty()) return false;
    for (const QChar c : s) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

bool isFlagSet(const QString& stored) {
    return trimBlanks(stored) == kFlagYes;
}

QString visibleControls(const QString& s) {
    const auto isControl = [](QChar c) {
        const char16_t code = c.unicode();
        return code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0);
    };
    // Most texts have none: they are handed back as they are, not copied.
    if (std::none_of(s.begin(), s.end(), isControl)) return s;
    QString shown = s;
    for (QChar& c : shown) {
        const char16_t code = c.unicode();
        if (code < 0x20) {
            c = QChar(char16_t(0x2400 + code));  // the Control Pictures block
        } else if (code == 0x7F) {
            c = QChar(char16_t(0x2421));
        } else if (code >= 0x80 && code < 0xA0) {
            c = QChar(char16_t(0xFFFD));
        }
    }
    return shown;
}

}  // namespace text
