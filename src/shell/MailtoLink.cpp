#include "shell/MailtoLink.h"

#include <QStringList>
#include <QUrl>

namespace {

// Line breaks as the mailto scheme wants them: CR LF.
QString withCrLf(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(u'\r', u'\n');
    lines.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return lines;
}

QString encoded(const QString& text, const QByteArray& kept = {}) {
    // Unreserved characters (and `kept`) stay; everything else is escaped.
    return QString::fromLatin1(QUrl::toPercentEncoding(withCrLf(text), kept));
}

QString encodedAddresses(const QString& addresses) {
    QStringList list;
    for (const QString& address : addresses.split(u',')) {
        const QString trimmed = address.trimmed();
        if (!trimmed.isEmpty()) list.append(encoded(trimmed, QByteArrayLiteral("@")));
    }
    return list.join(u',');
}

}  // namespace

QString mailtoLink(const QString& addresses) {
    return QStringLiteral("mailto:") + encodedAddresses(addresses);
}

QString mailtoLink(const QString& addresses, const QString& subject) {
    return QStringLiteral("mailto:") + encodedAddresses(addresses) + QStringLiteral("?subject=") +
           encoded(subject);
}

QString mailtoLink(const QString& addresses, const QString& subject, const QString& body) {
    return mailtoLink(addresses, subject) + QStringLiteral("&body=") + encoded(body);
}
