#include "base/TextRules.h"

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
