#pragma once

#include <QString>

// A "mailto:" link that starts a new message in the desktop's mail program:
// "mailto:" + addresses + "?subject=" + subject + "&body=" + body.
// The addresses are a list separated by commas: each is trimmed, empty ones
// are dropped and each is percent-encoded like the subject but keeping "@",
// so a "#", "?" or "&" in one cannot end the address part of the link; they
// are joined again by commas. Subject and body are percent-encoded as the
// mailto scheme asks (RFC 6068): every UTF-8 octet other than a letter, a
// digit, "-", ".", "_" or "~" becomes "%" and two hex digits, so a blank is
// %20; every line break (CR LF, lone CR or lone LF) is written %0D%0A.
QString mailtoLink(const QString& addresses, const QString& subject, const QString& body);

// The same link without its body: "mailto:" + addresses + "?subject=" +
// subject.
QString mailtoLink(const QString& addresses, const QString& subject);

// A link to the addresses alone: "mailto:" + addresses, encoded as above,
// so a stored "x@y.it?attach=..." cannot add a query to the link.
QString mailtoLink(const QString& addresses);
