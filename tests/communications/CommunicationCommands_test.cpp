#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/CommandRun.h"
#include "support/CommunicationArchive.h"
#include "support/CommunicationDocument.h"
#include "support/SpreadsheetBytes.h"

namespace {

// The command line over the communications' archive, "Comunicazioni.pro".
class CommunicationCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        paths::setDataFolder(dir.path());
    }
    QString archive() const { return dir.filePath(QStringLiteral("Comunicazioni.pro")); }
    void store(const QList<TestCommunication>& list) {
        ASSERT_TRUE(writeCommunications(archive(), list));
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A line of the lists: subject in 45 columns, author and team in 30,
    // then the date.
    static QString line(int record, const QString& subject, const QString& author,
                        const QString& team, const QString& date) {
        return QStringLiteral("%1\t%2  Autore: %3  Squadra: %4  Data: %5\n")
            .arg(record)
            .arg(subject.leftJustified(45), author.leftJustified(30), team.leftJustified(30), date);
    }

    QTemporaryDir dir;
};

TEST_F(CommunicationCommands, SearchListsTheCommunicationsInSubjectOrder) {
    store({{.subject = "Riunione", .author = "Rossi", .team = "Alfa", .date = "07/03/2024"},
           {.subject = "  assemblea", .author = "Neri", .team = "Beta", .date = "01/02/2023"},
           {.subject = "Battuta", .author = "Rossi", .team = "Beta", .date = "10/01/2024"}});
    const CommandResult all =
        runCommand({QStringLiteral("cerca"), QStringLiteral("comunicazioni")});
    EXPECT_EQ(all.status, 0) << qPrintable(all.err);
    EXPECT_EQ(all.out, line(2, QStringLiteral("assemblea"), QStringLiteral("Neri"),
                            QStringLiteral("Beta"), QStringLiteral("01/02/2023")) +
                           line(3, QStringLiteral("Battuta"), QStringLiteral("Rossi"),
                                QStringLiteral("Beta"), QStringLiteral("10/01/2024")) +
                           line(1, QStringLiteral("Riunione"), QStringLiteral("Rossi"),
                                QStringLiteral("Alfa"), QStringLiteral("07/03/2024")));

    const CommandResult some = runCommand(
        {QStringLiteral("cerca"), QStringLiteral("comunicazioni"), QStringLiteral("Autore=ROSSI"),
         QStringLiteral("DataInvio=/2024"), QStringLiteral("Squadra=bet")});
    EXPECT_EQ(some.status, 0);
    EXPECT_EQ(some.out, line(3, QStringLiteral("Battuta"), QStringLiteral("Rossi"),
                             QStringLiteral("Beta"), QStringLiteral("10/01/2024")));
}

// Each criterion searches its own field: record N holds "<criterion>-N-" in
// each field, so a criterion read from another field finds nothing.
TEST_F(CommunicationCommands, EachCriterionSearchesItsOwnField) {
    QList<TestCommunication> list;
    for (int n = 1; n <= 3; ++n) {
        const QByteArray mark = "-" + QByteArray::number(n) + "-";
        list.append({.subject = "Oggetto" + mark,
                     .author = "Autore" + mark,
                     .team = "Squadra" + mark,
                     .leader = "Caposquadra" + mark,
                     .date = "DataInvio" + QByteArray::number(n),
                     .note = "Note" + mark,
                     .hunters = "Rossi\r\nCacciatori" + mark,
                     .emails = "Email" + mark,
                     .message = "Riga\r\nMessaggio" + mark,
                     .reply = "Riscontro" + mark});
    }
    store(list);
    for (const char* name : {"Oggetto", "Autore", "Squadra", "Caposquadra", "Cacciatori", "Email",
                             "Messaggio", "DataInvio", "Riscontro", "Note"}) {
        const QString criterion = QString::fromLatin1(name);
        const QString wanted = criterion == QLatin1String("DataInvio")
                                   ? QStringLiteral("datainvio2")
                                   : criterion.toLower() + QStringLiteral("-2-");
        const CommandResult r = runCommand(
            {QStringLiteral("cerca"), QStringLiteral("comunicazioni"), criterion + u'=' + wanted});
        EXPECT_EQ(r.status, 0) << name;
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("2\tOggetto-2-"))) << name;
        EXPECT_EQ(r.out.count(u'\n'), 1) << name << qPrintable(r.out);
    }
    const CommandResult flag = runCommand(
        {QStringLiteral("cerca"), QStringLiteral("comunicazioni"), QStringLiteral("Segnala=S")});
    EXPECT_EQ(flag.status, 2);
    EXPECT_TRUE(flag.err.contains(QStringLiteral(
        "Criterio non valido: Segnala=S (campi: Oggetto, Autore, Squadra, Caposquadra, "
        "Cacciatori, Email, Messaggio, DataInvio, Riscontro, Note)")))
        << qPrintable(flag.err);
}

TEST_F(CommunicationCommands, TheFlaggedSummaryListsTheCommunicationsWhoseFlagIsSi) {
    store({{.subject = "Zeta", .date = "01/01/2000", .flag = "S\xEC"},
           {.subject = "Beta", .flag = "No"},
           {.subject = "Alfa", .date = "nessuna", .flag = "S\xEC"},
           {.subject = "Delta", .flag = "Si"},
           {.subject = "Epsilon", .flag = "s\xEC"},
           {.subject = "Eta"}});
    for (const QStringList& extra :
         {QStringList{}, QStringList{QStringLiteral("--oggi"), QStringLiteral("01/01/1990")}}) {
        const CommandResult r = runCommand(
            QStringList{QStringLiteral("riepilogo"), QStringLiteral("comunicazioni-segnalate")} +
            extra);
        EXPECT_EQ(r.status, 0) << qPrintable(r.err);
        EXPECT_EQ(r.out,
                  line(3, QStringLiteral("Alfa"), QString(), QString(), QStringLiteral("nessuna")) +
                      line(1, QStringLiteral("Zeta"), QString(), QString(),
                           QStringLiteral("01/01/2000")));
    }
}

// The whole file, built here: the fixed head, the heading row, one row per
// record in file order with the trimmed texts, "<", ">", "&" escaped.
TEST_F(CommunicationCommands, ExportWritesTheCommunicationsSpreadsheet) {
    store({{.subject = " Riunione <urgente> ",
            .author = "Rossi & figli",
            .team = "Alfa",
            .leader = "Neri Ugo",
            .date = "07/03/2024",
            .note = "Citt\xE0 ",
            .hunters = "Bianchi Luigi",
            .emails = "b@l.it",
            .message = "Testo\r\nriservato",
            .reply = "ok",
            .flag = "S\xEC"},
           {.subject = "Assemblea", .flag = "No"}});
    const QByteArray expected =
        exportHead("Riepilogo Comunicazioni") + "<tr>" + headerCell("Oggetto", 400) +
        headerCell("Autore del messaggio", 250) +
        headerCell("Squadra di caccia destinataria", 300) + headerCell("Capo squadra", 250) +
        headerCell("Data invio", 180) + headerCell("Note", 350) +
        headerCell("Riscontro ricevuto", 400) + headerCell("Segnalata", 200) + "</tr>" + "<tr>" +
        dataCell("Riunione &lt;urgente&gt;") + dataCell("Rossi &amp; figli") + dataCell("Alfa") +
        dataCell("Neri Ugo") + dataCell("07/03/2024") + dataCell("Citt\xE0") + dataCell("ok") +
        dataCell("S\xEC") + "</tr>" + "<tr>" + dataCell("Assemblea") + dataCell("") + dataCell("") +
        dataCell("") + dataCell("") + dataCell("") + dataCell("") + dataCell("No") + "</tr>" +
        "</table></body></html>";
    expectExportsAsBuilt(dir.path(), "comunicazioni", "Comunicazioni.xls", 2, expected);
}

// The card's document from a stored record: values trimmed, braces and
// backslashes escaped, accents in the code page, line breaks (CR LF, lone CR
// or LF) as \line, an empty last field.
TEST_F(CommunicationCommands, RtfWritesTheCardAsTheDocumentTheCardWould) {
    store({{.subject = "Alfa"},
           {.subject = "  Battuta {annullata}  ",
            .author = "Rossi Mario",
            .team = "I Cinghialai",
            .leader = "Neri Ugo",
            .date = "07/03/2024",
            .note = "cassa in C:\\soci <2024>",
            .hunters = "Rossi Mario\r\nBianchi Luigi\nVerdi Anna\rNeri Ugo",
            .emails = "rossi@example.it,bianchi@example.it",
            .message = "Cari soci,\r\nla battuta \xE8 annullata: quota \x80 30.\r\n",
            .reply = "   ",
            .flag = "S\xEC",
            .file01 = "/home/mappa.pdf",
            .desc01 = "Mappa"}});
    const QByteArray full = communicationDocument(
        {.oggetto = "Battuta \\{annullata\\}",
         .autore = "Rossi Mario",
         .squadra = "I Cinghialai",
         .caposquadra = "Neri Ugo",
         .dataInvio = "07/03/2024",
         .note = "cassa in C:\\\\soci <2024>",
         .cacciatori = "Rossi Mario\\line Bianchi Luigi\\line Verdi Anna\\line Neri Ugo",
         .email = "rossi@example.it,bianchi@example.it",
         .messaggio = "Cari soci,\\line la battuta \xE8 annullata: quota \x80 30.",
         .riscontro = ""});
    const QString document = dir.filePath(QStringLiteral("Comunicazione.rtf"));
    const QString other = dir.filePath(QStringLiteral("altra comunicazione.rtf"));
    struct Case {
        QStringList args;
        QString target;
        QByteArray written;
    } cases[] = {
        {{QStringLiteral("comunicazioni"), QStringLiteral("2")}, document, full},
        {{QStringLiteral("comunicazioni"), QStringLiteral("1")},
         document,
         communicationDocument({.oggetto = "Alfa"})},
        {{QStringLiteral("comunicazioni"), QStringLiteral("2"), QStringLiteral("--file"), other},
         other,
         full},
    };
    for (const Case& c : cases) {
        QFile::remove(document);
        QFile::remove(other);
        const CommandResult r = runCommand(QStringList{QStringLiteral("rtf")} + c.args);
        const QString what = c.args.join(u' ');
        EXPECT_EQ(r.status, 0) << qPrintable(what) << qPrintable(r.err);
        EXPECT_EQ(read(c.target), c.written) << qPrintable(what);
        EXPECT_EQ(QFile::exists(document), c.target == document) << qPrintable(what);
    }
    EXPECT_EQ(read(archive()).size(), 2 * CommunicationBytes::kSize);
}

TEST_F(CommunicationCommands, AMissingArchiveIsReportedAndNotCreated) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("cerca"), QStringLiteral("comunicazioni")},
          QStringList{QStringLiteral("esporta"), QStringLiteral("comunicazioni")},
          QStringList{QStringLiteral("riepilogo"), QStringLiteral("comunicazioni-segnalate")},
          QStringList{QStringLiteral("rtf"), QStringLiteral("comunicazioni"),
                      QStringLiteral("1")}}) {
        const CommandResult r = runCommand(args);
        EXPECT_EQ(r.status, 1) << qPrintable(args.join(u' '));
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("Archivio non trovato: ") + archive()))
            << qPrintable(r.err);
    }
    EXPECT_FALSE(QFile::exists(archive()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Comunicazioni.xls"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Comunicazione.rtf"))));
}

}  // namespace
