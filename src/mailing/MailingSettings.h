#pragma once

#include <QString>

#include "mailing/LabelSheet.h"

// The settings of post and paper, kept in paths::settingsFile():
// the association's heading (name, logo, e-mail address) and the custom
// label sheet.
namespace mailing {

struct Association {
    QString name;   // printed on cards and letters
    QString logo;   // an image file; empty: no logo
    QString email;  // the sender of the merged e-mails; empty: none given
};

QString settingsPath();

Association association();
void setAssociation(const Association& association);

LabelFormat customFormat();
void setCustomFormat(const LabelFormat& format);

}  // namespace mailing
