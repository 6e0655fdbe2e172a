#include "communications/CommunicationMail.h"

#include <gtest/gtest.h>

namespace {

using communications::kMailLinkLimit;
using communications::mailPlan;
using Kind = communications::MailPlan::Kind;

TEST(CommunicationMail, TheLimitIsTwoThousandCharacters) {
    EXPECT_EQ(kMailLinkLimit, 2000);
}

// The whole link up to the limit, counted on the encoded link; above it the
// addresses and subject alone; when those alone pass it, nothing.
TEST(CommunicationMail, ChoosesTheLinkByItsEncodedLength) {
    const QString head = QStringLiteral("mailto:a@b.it?subject=S&body=");  // 29 characters
    const QString under = QString(kMailLinkLimit - head.size(), u'x');
    // One "è" is six characters once encoded (%C3%A8).
    const QString accented = under.left(under.size() - 6) + QStringLiteral("è");
    const QString addresses = QString(kMailLinkLimit, u'a') + QStringLiteral("@b.it");
    struct Case {
        QString addresses, subject, body;
        Kind kind;
        QString link;
        QString body_;
    } cases[] = {
        {QStringLiteral(" a@b.it "), QStringLiteral(" S "), QStringLiteral(" ") + under + u' ',
         Kind::Whole, head + under, under},
        {QStringLiteral("a@b.it"), QStringLiteral("S"), accented, Kind::Whole,
         head + accented.left(accented.size() - 1) + QStringLiteral("%C3%A8"), accented},
        {QStringLiteral("a@b.it"), QStringLiteral("S"), under + u'x', Kind::WithoutBody,
         QStringLiteral("mailto:a@b.it?subject=S"), under + u'x'},
        {QStringLiteral("a@b.it"), QStringLiteral("S"), accented + u'x', Kind::WithoutBody,
         QStringLiteral("mailto:a@b.it?subject=S"), accented + u'x'},
        {addresses, QStringLiteral("S"), QStringLiteral("Ciao"), Kind::TooLong, QString(),
         QStringLiteral("Ciao")},
    };
    for (const Case& c : cases) {
        const communications::MailPlan plan = mailPlan(c.addresses, c.subject, c.body);
        EXPECT_EQ(plan.kind, c.kind) << c.body.size();
        EXPECT_EQ(plan.link, c.link) << c.body.size();
        EXPECT_EQ(plan.body, c.body_) << c.body.size();
        EXPECT_LE(plan.link.size(), kMailLinkLimit);
    }
}

}  // namespace
