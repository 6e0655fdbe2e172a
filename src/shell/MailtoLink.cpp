#include "shell/MailtoLink.h"

#include <QUrl>

namespace {

QString encoded(const QString& text) {
    // Unreserved characters stay; everything else is escaped.
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

}  // namespace

QString mailtoLink(const QString& addresses, const QString& subject, const QString& body) {
    return QStringLiteral("mailto:") + addresses + QStringLiteral("?subject=") + encoded(subject) +
           QStringLiteral("&body=") + encoded(body);
}
