#pragma once

#include <QString>

// How a communication is handed to the desktop's mail program.
namespace communications {

// The longest "mailto:" link handed to the mail program, in characters
// after encoding: common mail programs and browsers cut or refuse links of
// much more than 2000 characters without saying so.
inline constexpr int kMailLinkLimit = 2000;

struct MailPlan {
    enum class Kind {
        Whole,        // the link holds addresses, subject and body
        WithoutBody,  // the body is too long: the link holds addresses and
                      // subject; the body goes to the clipboard
        TooLong,      // addresses and subject alone pass the limit: nothing opens
    };
    Kind kind;
    QString link;  // empty for TooLong
    QString body;  // the trimmed body, for the clipboard
};

// The link of a communication from its addresses, subject and body, each
// trimmed, within kMailLinkLimit.
MailPlan mailPlan(const QString& addresses, const QString& subject, const QString& body);

// The messages of a sending that did not go as planned.
QString bodyOnClipboardMessage();
QString tooManyRecipientsMessage();
QString notOpenedMessage();

}  // namespace communications
