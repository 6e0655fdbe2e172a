#pragma once

#include <QString>

#include "mailing/LabelSheet.h"

// The settings of post and paper, kept in paths::settingsFile():
// the association's heading (name, logo, address, codice fiscale, phone,
// e-mail address, place and signature) and the custom
// label sheet.
namespace mailing {

struct Association {
    QString name;        // printed on cards, letters and receipts
    QString logo;        // an image file; empty: no logo
    QString email;       // the sender of the merged e-mails; empty: none given
    QString address;     // street, CAP and town, one or more lines
    QString fiscalCode;  // the association's codice fiscale
    QString phone;
    QString place;      // written before the date of a letter ("Prato")
    QString signature;  // who signs letters and receipts
};

// Why the association's data cannot be kept, and the field at fault;
// an empty message when they are fine: a name is given, the codice
// fiscale is empty or of 11 digits or 16 letters and digits, the e-mail
// is empty or one address.
struct AssociationProblem {
    enum class Field { Name, FiscalCode, Email };
    Field field = Field::Name;
    QString message;
};
AssociationProblem problemOf(const Association& association);

// An e-mail address as a message header takes it: local part and domain of
// plain letters, digits and the usual signs, nothing else.
bool isEmailAddress(const QString& text);

QString settingsPath();

Association association();
void setAssociation(const Association& association);

LabelFormat customFormat();
void setCustomFormat(const LabelFormat& format);

}  // namespace mailing
