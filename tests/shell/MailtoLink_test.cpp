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

TEST(MailtoLink, TheInformationWindowWritesToTheMaker) {
    EXPECT_EQ(programinfo::makerMailto(),
              QStringLiteral("mailto:") + programinfo::makerEmail() +
                  QStringLiteral("?subject=Software%20Selvadoro&body=Salve%2C%20desidererei%20"
                                 "avere%20le%20seguenti%20informazioni%20sul%20software%20in%20"
                                 "oggetto%3A"));
}

}  // namespace
