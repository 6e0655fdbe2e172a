#pragma once

#include <QString>

// The program's details, shown by the information and splash windows, the
// launcher and the PDF guide.
namespace programinfo {

QString name();         // "Selvadoro"
QString version();      // "1.0.0"
QString description();  // one line on what the program is for
QString makerNotice();  // the copyright line
QString makerEmail();
QString makerSite();

// The link of the information window: a new e-mail to the maker.
QString makerMailto();

}  // namespace programinfo
