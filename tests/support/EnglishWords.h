#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <string>

// The English words and phrases that give away a system's or an internal
// text in a message meant for the user ("file" alone is Italian too, and
// so is "data"). `ignored` (a folder's path, whose letters are random) is
// taken out of the message first. Returns the words found, for the failure
// message, one after the other; empty when the message reads as Italian.
inline std::string englishWordsIn(QString message, const QString& ignored = QString()) {
    if (!ignored.isEmpty()) message.replace(ignored, QStringLiteral("CARTELLA"));
    static const QRegularExpression english(
        QStringLiteral("\\b(the|file is|is|are|was|than|cannot|can't|could|not|unable|failed|error|"
                       "unknown|locked|lock|shorter|existing|writable|readable|space|left|device|"
                       "permission|denied|no such|directory|read-only|busy|too large|unsupported|"
                       "invalid|image|format|too "
                       "many|symbolic|levels|interrupted|journal|synced|record|incomplete|wrong|"
                       "platform|plugin|load)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    auto matches = english.globalMatch(message);
    while (matches.hasNext()) found.append(matches.next().captured(0));
    return found.join(QStringLiteral(", ")).toStdString();
}
