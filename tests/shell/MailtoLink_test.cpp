#include "shell/MailtoLink.h"

#include <gtest/gtest.h>

#include "shell/ProgramInfo.h"

namespace {

TEST(MailtoLink, EncodesSubjectAndBodyAndKeepsTheAddresses) {
    struct Case {
        QString addresses, subject, body, expected;
    };
    const Case cases[] = {
        {QStringLiteral("a@b.it,c@d.it"), QStringLiteral("Battuta annullata"),
         QStringLiteral("Ciao a tutti"),
         QStringLiteral("mailto:a@b.it,c@d.it?subject=Battuta%20annullata&body=Ciao%20a%20tutti")},
        // Unreserved characters stay; the rest become UTF-8 octets.
        {QStringLiteral("x@y.it"), QStringLiteral("a-b.c_d~e"),
         QStringLiteral("Città?\r\n1&2=3#4+5%"),
         QStringLiteral(
             "mailto:x@y.it?subject=a-b.c_d~e&body=Citt%C3%A0%3F%0D%0A1%262%3D3%234%2B5%25")},
        {QString(), QString(), QString(), QStringLiteral("mailto:?subject=&body=")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mailtoLink(c.addresses, c.subject, c.body), c.expected)
            << c.expected.toStdString();
    }
}

// Each address is trimmed and encoded on its own, keeping "@": a "#", "?"
// or "&" in one cannot start the fragment, the query or another header.
// Empty addresses are dropped; every line break is written %0D%0A.
TEST(MailtoLink, EncodesEachAddressAndEveryLineBreak) {
    struct Case {
        QString addresses, body, expected;
    };
    const Case cases[] = {
        {QStringLiteral(" a@b.it , c@d.it,"), QString(),
         QStringLiteral("mailto:a@b.it,c@d.it?subject=S&body=")},
        {QStringLiteral("a@b.it,,\r\n c@d.it"), QString(),
         QStringLiteral("mailto:a@b.it,c@d.it?subject=S&body=")},
        {QStringLiteral("x#y@b.it,p?cc=q@r.it,u&body=v@w.it"), QString(),
         QStringLiteral("mailto:x%23y@b.it,p%3Fcc%3Dq@r.it,u%26body%3Dv@w.it?subject=S&body=")},
        {QStringLiteral("mario rossi@b.it"), QString(),
         QStringLiteral("mailto:mario%20rossi@b.it?subject=S&body=")},
        {QStringLiteral(" , "), QString(), QStringLiteral("mailto:?subject=S&body=")},
        {QStringLiteral("a@b.it"), QStringLiteral("uno\ndue\rtre\r\nquattro"),
         QStringLiteral("mailto:a@b.it?subject=S&body=uno%0D%0Adue%0D%0Atre%0D%0Aquattro")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mailtoLink(c.addresses, QStringLiteral("S"), c.body), c.expected)
            << c.expected.toStdString();
    }
    EXPECT_EQ(mailtoLink(QStringLiteral("a@b.it, c@d.it"), QStringLiteral("Caccia & pesca")),
              QStringLiteral("mailto:a@b.it,c@d.it?subject=Caccia%20%26%20pesca"));
}

TEST(MailtoLink, TheInformationWindowWritesToTheMaker) {
    EXPECT_EQ(programinfo::makerMailto(),
              QStringLiteral("mailto:") + programinfo::makerEmail() +
                  QStringLiteral("?subject=Software%20Selvadoro&body=Salve%2C%20desidererei%20"
                                 "avere%20le%20seguenti%20informazioni%20sul%20software%20in%20"
                                 "oggetto%3A"));
}

}  // namespace
