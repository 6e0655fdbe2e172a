#include "lists/RtfDocument.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include "support/WriteFailure.h"

namespace {

// A document of three fields, written piece by piece in the expected bytes.
const RtfDocument kDocument{"prova",
                            "Prova.rtf",
                            "PROVA DI CACCIA",
                            {{"Nome", "txtNome"}, {"Membri", "txtMembri"}, {"Note", "txtNote"}}};

const QByteArray kHead =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}"
    "{\\f1\\fnil Verdana;}}{\\colortbl ;\\red0\\green0\\blue0;}"
    "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 PROVA DI CACCIA\\f1\\fs16"
    "\\par \\fs24 ________________________________________________\\par";

QByteArray documentWith(const QByteArray& name, const QByteArray& members, const QByteArray& note) {
    return kHead + "\\par \\pard\\f0\\fs20 Nome:\\b0\\f1  \\f0 " + name + "\\par" +
           "\\par \\b Membri:\\b0\\f1  \\f0 " + members + "\\par" +
           "\\par \\b Note:\\b0\\f1  \\f0 " + note + "\\b\\par" + "\\par }";
}

rtf::ControlText texts(QHash<QString, QString> values) {
    return [values](const QString& control) { return values.value(control); };
}

TEST(RtfDocument, WritesTheTitleTheRuleAndOneParagraphPerField) {
    const QByteArray bytes = rtf::build(
        kDocument, texts({{QStringLiteral("txtNome"), QStringLiteral("  Alfa  ")},
                          {QStringLiteral("txtNote"), QStringLiteral("caccia al cinghiale")}}));
    EXPECT_EQ(bytes, documentWith("Alfa", "", "caccia al cinghiale"));
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_FALSE(bytes.contains('\r'));
}

TEST(RtfDocument, ValuesKeepTheirLinesAndEscapeWhatRtfReads) {
    struct Case {
        const char* what;
        QString text;
        QByteArray written;
    } cases[] = {
        {"braces and backslash", QStringLiteral("a{b}c\\d"), "a\\{b\\}c\\\\d"},
        {"three lines of a list", QStringLiteral("Mario Rossi\r\nLuigi Bianchi\r\nAnna Verdi"),
         "Mario Rossi\\line Luigi Bianchi\\line Anna Verdi"},
        {"lone CR and LF", QStringLiteral("a\rb\nc"), "a\\line b\\line c"},
        {"blank lines kept", QStringLiteral("a\r\n\r\nb"), "a\\line \\line b"},
        {"outer blanks and breaks trimmed", QStringLiteral(" \r\nx\r\n "), "x"},
        {"Windows-1252 stays one byte", QStringLiteral("è € ù"), "\xE8 \x80 \xF9"},
        {"a question mark", QStringLiteral("?"), "?"},
        {"outside the code page", QStringLiteral("Ł"), "\\u321?"},
        {"a high unit is negative", QString(QChar(0xFF21)), "\\u-223?"},
        {"beyond U+FFFF, two units", QString::fromUcs4(U"\U0001F98C"), "\\u-10178?\\u-8820?"},
    };
    for (const Case& c : cases) EXPECT_EQ(rtf::value(c.text), c.written) << c.what;
}

class RtfFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Prova.rtf")); }
    QTemporaryDir dir;
};

TEST_F(RtfFileTest, AFailedWriteKeepsThePreviousDocumentWhole) {
    const auto card = texts({{QStringLiteral("txtNome"), QStringLiteral("Alfa")}});
    ASSERT_TRUE(rtf::write(kDocument, card, path()));
    QFile written(path());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray before = written.readAll();
    written.close();
    EXPECT_EQ(before, documentWith("Alfa", "", ""));

    QString error;
    {
        const WriteFailure full(WriteFailure::Kind::FullDisk, dir.path());
        if (!full.possible()) GTEST_SKIP() << "no file size limit here";
        EXPECT_FALSE(rtf::write(kDocument,
                                texts({{QStringLiteral("txtNome"), QStringLiteral("Beta")}}),
                                path(), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), before);
}

}  // namespace
