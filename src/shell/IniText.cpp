#include "shell/IniText.h"

#include <QStringList>

namespace ini {
namespace {

QStringList linesOf(const QByteArray& content) {
    if (content.isEmpty()) return {};
    QString text = QString::fromLatin1(content);
    // A UTF-8 byte order mark, read as Latin-1, in front of the first line.
    if (text.startsWith(QLatin1String("\xEF\xBB\xBF"))) text.remove(0, 3);
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty()) lines.removeLast();  // the final line break
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
    }
    return lines;
}

// The section name of a "[name]" line, or nothing.
std::optional<QString> sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'[')) return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool isComment(const QString& line) {
    const QString t = line.trimmed();
    return t.startsWith(u';') || t.startsWith(u'#');
}

// The key of a "key=value" line, or nothing.
std::optional<QString> keyOf(const QString& line) {
    if (isComment(line)) return std::nullopt;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return std::nullopt;
    return line.left(equals).trimmed();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

std::optional<QString> value(const QByteArray& content, const QString& section,
                             const QString& key) {
    bool inSection = false;
    for (const QString& line : linesOf(content)) {
        if (const auto name = sectionOf(line)) {
            inSection = sameName(*name, section);
        } else if (inSection) {
            const auto k = keyOf(line);
            if (k && sameName(*k, key)) return line.mid(line.indexOf(u'=') + 1).trimmed();
        }
    }
    return std::nullopt;
}

QByteArray withValue(const QByteArray& content, const QString& section, const QString& key,
                     const QString& value) {
    QStringList lines = linesOf(content);
    const QString entry = key + u'=' + value;

    qsizetype sectionLine = -1;  // the header of the section, when found
    qsizetype lastInSection = -1;
    bool inSection = false;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (const auto name = sectionOf(lines.at(i))) {
            if (inSection) break;  // the section ended without the key
            inSection = sameName(*name, section);
            if (inSection) sectionLine = lastInSection = i;
        } else if (inSection) {
            const auto k = keyOf(lines.at(i));
            if (k && sameName(*k, key)) {
                lines[i] = entry;
                done = true;
            } else if (!lines.at(i).trimmed().isEmpty()) {
                lastInSection = i;
            }
        }
    }
    if (!done && sectionLine >= 0) {
        lines.insert(lastInSection + 1, entry);
    } else if (!done) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines.append(QString());
        lines.append(u'[' + section + u']');
        lines.append(entry);
    }
    QByteArray result;
    for (const QString& line : lines) result += line.toLatin1() + "\r\n";
    return result;
}

}  // namespace ini
