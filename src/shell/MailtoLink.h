#pragma once

#include <QString>

// A "mailto:" link that starts a new message in the desktop's mail program:
// "mailto:" + addresses + "?subject=" + subject + "&body=" + body. The
// addresses go in as they stand (commas between several); subject and body
// are percent-encoded as the mailto scheme asks (RFC 6068): every UTF-8 octet
// other than a letter, a digit, "-", ".", "_" or "~" becomes "%" and two hex
// digits, so a blank is %20 and a line break %0D%0A.
QString mailtoLink(const QString& addresses, const QString& subject, const QString& body);
