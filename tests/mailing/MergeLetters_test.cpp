#include "mailing/MergeLetters.h"

#include <gtest/gtest.h>

#include "app/Archives.h"

namespace {

mailing::MergeSource source() {
    return {archives::named(QStringLiteral("comunicazioni")),
            archives::named(QStringLiteral("anagrafica"))};
}

// What a text's braces become: a field of the recipient by its record name
// or alias, a field of the message, or, for braces that hold no name, the
// text as it is.
TEST(Merge, FieldsAliasesAndMessageFieldsAreFilledOtherBracesKept) {
    const ArchiveDefinition& people = *source().people;
    FieldValues recipient(people.layout->fields.size());
    recipient[people.layout->indexOfField(u"Nome")] = QStringLiteral("  Mario ");
    recipient[people.layout->indexOfField(u"ComuneRes")] = QStringLiteral("Siena");
    recipient[people.layout->indexOfField(u"Permesso")] = QStringLiteral("Cinghiale Nord");
    const ArchiveDefinition& messages = *source().messages;
    FieldValues message(messages.layout->fields.size());
    message[messages.layout->indexOfField(u"DataInvio")] = QStringLiteral("05/10/2024");
    struct Case {
        const char* text;
        const char* merged;
    };
    const Case cases[] = {
        {"Caro {Nome}", "Caro Mario"},
        {"{Nome}{Nome}", "MarioMario"},
        {"da {ComuneRes}, squadra {Squadra}", "da Siena, squadra Cinghiale Nord"},
        {"il {DataInvio}", "il 05/10/2024"},
        {"{Cognome}.", "."},
        {"{ Nome } {1} {} {Nome", "{ Nome } {1} {} {Nome"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(mailing::unknownFields(text, source()), QStringList()) << c.text;
        EXPECT_EQ(mailing::merge(text, source(), recipient, message), QString::fromUtf8(c.merged))
            << c.text;
    }
}

TEST(Merge, UnknownFieldsAreNamedOnceEachInOrder) {
    const QString text = QStringLiteral("{Quota} {Nome} {nome} {Quota} {Saldo}");
    const QStringList unknown = mailing::unknownFields(text, source());
    EXPECT_EQ(unknown, (QStringList{QStringLiteral("Quota"), QStringLiteral("nome"),
                                    QStringLiteral("Saldo")}));
    EXPECT_EQ(
        mailing::unknownFieldMessage(unknown),
        QStringLiteral("Il testo contiene campi che non esistono: {Quota}, {nome}, {Saldo}."));
}

// Recipients are matched by "Cognome Nome" whatever the case and the
// blanks; the others are listed in the order written.
TEST(Merge, RecipientsAreMatchedByNameTheOthersListed) {
    const ArchiveDefinition& people = *source().people;
    const auto member = [&](qsizetype record, const char* surname, const char* name) {
        FieldValues values(people.layout->fields.size());
        values[people.layout->indexOfField(u"Cognome")] = QString::fromUtf8(surname);
        values[people.layout->indexOfField(u"Nome")] = QString::fromUtf8(name);
        return mailing::Member{record, values};
    };
    const QList<mailing::Member> registry{member(1, "Rossi", "Mario"),
                                          member(2, "Dell'Orto", "Nicolò")};
    const ArchiveDefinition& messages = *source().messages;
    FieldValues message(messages.layout->fields.size());
    message[messages.layout->indexOfField(u"Cacciatori")] =
        QStringLiteral("  ROSSI   mario \r\n\r\nVerdi Luca\r\ndell'orto NICOLÒ\r\nBianchi");
    const mailing::LetterPlan plan =
        mailing::planLetters(source(), message, registry, QDate(2024, 3, 7));
    EXPECT_EQ(plan.error, QString());
    ASSERT_EQ(plan.letters.size(), 2);
    EXPECT_EQ(plan.letters.at(0).recipient.record, 1);
    EXPECT_EQ(plan.letters.at(1).recipient.record, 2);
    EXPECT_EQ(plan.letters.at(0).date, QStringLiteral("07/03/2024"));
    EXPECT_EQ(plan.missing, (QStringList{QStringLiteral("Verdi Luca"), QStringLiteral("Bianchi")}));
}

// Every line of a quoted-printable body and of a folded subject stays
// within 76 characters, a UTF-8 character never split.
TEST(Merge, EncodedLinesStayWithinSeventySixCharacters) {
    const QString text = QString(200, QChar(0x00E8)) + QStringLiteral(" ") + QString(100, u'x') +
                         QStringLiteral(" =\t ");
    for (const QByteArray& line : mailing::quotedPrintable(text).split('\n')) {
        EXPECT_LE(line.size(), 77) << line.constData();  // with its CR
    }
    const QByteArray subject = mailing::encodedWords(text, 9);
    const QList<QByteArray> lines = subject.split('\n');
    EXPECT_GT(lines.size(), 1);
    EXPECT_LE(lines.first().size() + 9, 77);
    for (const QByteArray& line : lines) {
        EXPECT_LE(line.size(), 77) << line.constData();
        EXPECT_FALSE(line.contains("=C3?=")) << "a character split: " << line.constData();
    }
}

// {Gentile} and {Caro} follow the recipient's sex, whatever its case; a
// card that does not say gets both forms.
TEST(Merge, SalutationsFollowTheSex) {
    const ArchiveDefinition& people = *source().people;
    EXPECT_TRUE(mailing::mergeNames(source()).contains(QStringLiteral("Gentile")));
    const ArchiveDefinition& messages = *source().messages;
    const FieldValues message(messages.layout->fields.size());
    struct Case {
        const char* sex;
        const char* merged;
    };
    const Case cases[] = {
        {"M", "Gentile signore Rossi, Caro"},
        {"f", "Gentile signora Rossi, Cara"},
        {"", "Gentile signora, gentile signore Rossi, Caro/a"},
        {"X", "Gentile signora, gentile signore Rossi, Caro/a"},
    };
    for (const Case& c : cases) {
        FieldValues recipient(people.layout->fields.size());
        recipient[people.layout->indexOfField(u"Cognome")] = QStringLiteral("Rossi");
        recipient[people.layout->indexOfField(u"Sesso")] = QString::fromLatin1(c.sex);
        EXPECT_EQ(mailing::merge(QStringLiteral("{Gentile} {Cognome}, {Caro}"), source(), recipient,
                                 message),
                  QString::fromUtf8(c.merged))
            << c.sex;
    }
}

TEST(Merge, TheDateLineIsThePlaceAndTheLongItalianDate) {
    struct Case {
        const char* place;
        const char* date;
        const char* line;
    };
    const Case cases[] = {
        {"Prato", "11/12/2026", "Prato, 11 dicembre 2026"},
        {" Prato ", "01/01/2025", "Prato, 1 gennaio 2025"},
        {"", "31/08/2024", "31 agosto 2024"},
        {"Siena", "presto", "Siena, presto"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mailing::dateLine(QString::fromLatin1(c.place), QString::fromLatin1(c.date)),
                  QString::fromLatin1(c.line))
            << c.date;
    }
}

}  // namespace
