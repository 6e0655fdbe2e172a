#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "base/Paths.h"
#include "mailing/LabelSheet.h"
#include "mailing/MailingSettings.h"
#include "support/CommandRun.h"
#include "support/CommunicationArchive.h"
#include "support/HunterArchive.h"
#include "support/PageWords.h"
#include "support/PdfText.h"
#include "support/TestSeams.h"

namespace {

// python3's email package reads an .eml file: sender, recipient, subject
// and the decoded body, as JSON.
QJsonObject parsedEml(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral(
                      "import email, email.policy, json, sys\n"
                      "m = email.message_from_binary_file(open(sys.argv[1], 'rb'), "
                      "policy=email.policy.default)\n"
                      "print(json.dumps({'to': str(m['To']), 'subject': str(m['Subject']), "
                      "'from': str(m['From'] or ''), 'date': str(m['Date']), "
                      "'cte': m['Content-Transfer-Encoding'], 'charset': m.get_content_charset(), "
                      "'defects': len(m.defects), 'body': m.get_content()}))\n"),
                  path});
    python.waitForFinished(60000);
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

class MailingCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        paths::setDataFolder(folder.path());
        clock.set(QDateTime(QDate(2024, 9, 20), QTime(10, 30)));
        seams::setClock(&clock);
        TestHunter rossi{.surname = "Rossi",
                         .name = "Mario",
                         .codFisc = "RSSMRA80A01H501U",
                         .team = "Cinghiale Nord"};
        rossi.address = "Via Roma 1";
        rossi.postcode = "53100";
        rossi.town = "Siena";
        rossi.province = "SI";
        rossi.email = "mario.rossi@example.it";
        rossi.huntingCard = "TV-77";
        TestHunter nicolo{
            .surname = "Dell'Orto", .name = "Nicol\xF2", .codFisc = "DLLNCL70B02D612X"};
        nicolo.address = "Piazza del Campo 3";
        nicolo.postcode = "53100";
        nicolo.town = "Siena";
        nicolo.province = "SI";
        nicolo.email = "nicolo@example.it";
        TestHunter homeless{.surname = "Rossini", .name = "Gioacchino"};
        ASSERT_TRUE(writeHunters(folder.filePath(QStringLiteral("Cacciatori.pro")),
                                 {rossi, nicolo, homeless}));
        mailing::Association association;
        association.name = QStringLiteral("Associazione Cacciatori Senesi");
        association.email = QStringLiteral("segreteria@example.it");
        mailing::setAssociation(association);
    }
    void TearDown() override { seams::setClock(nullptr); }

    void writeMessage(const QByteArray& subject, const QByteArray& text) {
        TestCommunication message{.subject = subject,
                                  .author = "Segreteria",
                                  .date = "01/10/2024",
                                  .hunters = "Rossi Mario\r\nDELL'ORTO  nicol\xF2\r\nVerdi Luca",
                                  .message = text};
        ASSERT_TRUE(writeCommunications(folder.filePath(QStringLiteral("Comunicazioni.pro")),
                                        {TestCommunication{}, message}));
    }

    QString file(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    FixedClock clock;
};

TEST_F(MailingCommands, LabelsOfASearchFromTheStartPositionLeaveOutMembersWithoutAddress) {
    const CommandResult result = runCommand(
        {QStringLiteral("etichette"), QStringLiteral("anagrafica"), QStringLiteral("Cognome=ross"),
         QStringLiteral("--formato"), QStringLiteral("2x7"), QStringLiteral("--inizio"),
         QStringLiteral("4"), QStringLiteral("--pdf"), file("etichette.pdf")});
    EXPECT_EQ(result.status, 0) << qPrintable(result.err);
    EXPECT_EQ(result.err, QStringLiteral("Schede senza indirizzo, escluse: Rossini Gioacchino.\n"));
    EXPECT_EQ(result.out, QStringLiteral("Scritte 1 etichette in %1\n").arg(file("etichette.pdf")));
    const mailing::LabelFormat format = *mailing::standardFormat(QStringLiteral("2x7"));
    const QRectF fourth = pointsOf(format.labelRect(3));
    QStringList inside;
    for (const PageWord& word : pageWords(file("etichette.pdf"), 1)) {
        EXPECT_TRUE(fourth.contains(word.box)) << qPrintable(word.text);
        inside.append(word.text);
    }
    EXPECT_EQ(inside.join(u' '), QStringLiteral("Rossi Mario Via Roma 1 53100 Siena (SI)"));
}

TEST_F(MailingCommands, CardsOfTheWholeArchiveForASeason) {
    const CommandResult result = runCommand(
        {QStringLiteral("tessere"), QStringLiteral("anagrafica"), QStringLiteral("--stagione"),
         QStringLiteral("2024/2025"), QStringLiteral("--pdf"), file("tessere.pdf")});
    EXPECT_EQ(result.status, 0) << qPrintable(result.err);
    const QString text = squeezeBlanks(pdfText(file("tessere.pdf")));
    EXPECT_TRUE(text.contains(QStringLiteral("Associazione Cacciatori Senesi")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tessera associativa - Stagione 2024/2025")));
    EXPECT_TRUE(text.contains(QStringLiteral("Dell'Orto Nicolò")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tesserino venatorio n. TV-77")));
    EXPECT_TRUE(text.contains(QStringLiteral("Tessera n. 3")));
    EXPECT_EQ(pdfPageCount(file("tessere.pdf")), 1);
}

TEST_F(MailingCommands, ABadSeasonOrAnEmptySelectionWritesNothing) {
    const CommandResult season = runCommand(
        {QStringLiteral("tessere"), QStringLiteral("anagrafica"), QStringLiteral("--stagione"),
         QStringLiteral("2024"), QStringLiteral("--pdf"), file("tessere.pdf")});
    EXPECT_EQ(season.status, 2);
    const CommandResult none =
        runCommand({QStringLiteral("etichette"), QStringLiteral("anagrafica"),
                    QStringLiteral("Cognome=zzz"), QStringLiteral("--pdf"), file("etichette.pdf")});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, QStringLiteral("Nessuna scheda da stampare.\n"));
    EXPECT_FALSE(QFile::exists(file("tessere.pdf")));
    EXPECT_FALSE(QFile::exists(file("etichette.pdf")));
}

TEST_F(MailingCommands, LettersMergeTheFieldsOnePagePerRecipientFound) {
    writeMessage("Battuta del {DataInvio}",
                 "Caro {Nome} {Cognome},\r\nla squadra {Squadra} si ritrova alle 6.\r\nSaluti.");
    const CommandResult result = runCommand(
        {QStringLiteral("lettere"), QStringLiteral("2"), QStringLiteral("--pdf"), file("l.pdf")});
    EXPECT_EQ(result.status, 0) << qPrintable(result.err);
    EXPECT_EQ(result.err,
              QStringLiteral("Destinatari non trovati in archivio, esclusi: Verdi Luca.\n"));
    ASSERT_EQ(pdfPageCount(file("l.pdf")), 2);
    const QString first = squeezeBlanks(pdfText(file("l.pdf"), 1));
    EXPECT_TRUE(first.contains(QStringLiteral("Associazione Cacciatori Senesi")));
    EXPECT_TRUE(first.contains(QStringLiteral("Via Roma 1")));
    EXPECT_TRUE(first.contains(QStringLiteral("53100 Siena (SI)")));
    EXPECT_TRUE(first.contains(QStringLiteral("01/10/2024")));
    EXPECT_TRUE(first.contains(QStringLiteral("Oggetto: Battuta del 01/10/2024")));
    EXPECT_TRUE(first.contains(QStringLiteral("Caro Mario Rossi,")));
    EXPECT_TRUE(first.contains(QStringLiteral("la squadra Cinghiale Nord si ritrova alle 6.")));
    const QString second = squeezeBlanks(pdfText(file("l.pdf"), 2));
    EXPECT_TRUE(second.contains(QStringLiteral("Caro Nicolò Dell'Orto,"))) << qPrintable(second);
}

TEST_F(MailingCommands, EmailsAreReadBackByPythonsEmailPackage) {
    writeMessage("Battuta di caccia: perch\xE9 {Nome} \xE8 atteso il {DataInvio}",
                 "Caro {Nome},\r\nci vediamo alla caccia della \xABsquadra {Squadra}\xBB.\r\n"
                 "Una riga molto lunga che supera di parecchio i settantasei caratteri ammessi "
                 "per riga dal quoted-printable, con accenti: \xE0\xE8\xE9\xEC\xF2\xF9 e il "
                 "simbolo dell'euro \x80.\r\n");
    const QString out = file("posta");
    ASSERT_TRUE(QDir().mkpath(out));
    const CommandResult result =
        runCommand({QStringLiteral("lettere"), QStringLiteral("2"), QStringLiteral("--eml"), out});
    EXPECT_EQ(result.status, 0) << qPrintable(result.err);
    EXPECT_EQ(result.out, QStringLiteral("Scritti 2 messaggi in %1\n").arg(out));
    const QStringList files = QDir(out).entryList({QStringLiteral("*.eml")}, QDir::Files);
    ASSERT_EQ(files, (QStringList{QStringLiteral("001 Rossi Mario.eml"),
                                  QStringLiteral("002 Dell'Orto Nicolò.eml")}));
    const QJsonObject rossi = parsedEml(QDir(out).filePath(files.at(0)));
    EXPECT_EQ(rossi.value(QStringLiteral("to")).toString(),
              QStringLiteral("Rossi Mario <mario.rossi@example.it>"));
    EXPECT_EQ(rossi.value(QStringLiteral("from")).toString(),
              QStringLiteral("Associazione Cacciatori Senesi <segreteria@example.it>"));
    EXPECT_EQ(rossi.value(QStringLiteral("subject")).toString(),
              QStringLiteral("Battuta di caccia: perché Mario è atteso il 01/10/2024"));
    EXPECT_EQ(rossi.value(QStringLiteral("cte")).toString(), QStringLiteral("quoted-printable"));
    EXPECT_EQ(rossi.value(QStringLiteral("charset")).toString(), QStringLiteral("utf-8"));
    EXPECT_EQ(rossi.value(QStringLiteral("defects")).toInt(), 0);
    EXPECT_EQ(rossi.value(QStringLiteral("body")).toString(),
              QStringLiteral("Caro Mario,\nci vediamo alla caccia della «squadra Cinghiale "
                             "Nord».\nUna riga molto lunga che supera di parecchio i settantasei "
                             "caratteri ammessi per riga dal quoted-printable, con accenti: "
                             "àèéìòù e il simbolo dell'euro €.\n\n"));
    const QJsonObject nicolo = parsedEml(QDir(out).filePath(files.at(1)));
    EXPECT_EQ(nicolo.value(QStringLiteral("to")).toString(),
              QStringLiteral("Dell'Orto Nicolò <nicolo@example.it>"));
    EXPECT_EQ(nicolo.value(QStringLiteral("subject")).toString(),
              QStringLiteral("Battuta di caccia: perché Nicolò è atteso il 01/10/2024"));
    // Every line of the files within 78 characters, ended by CR LF.
    for (const QString& name : files) {
        QFile eml(QDir(out).filePath(name));
        ASSERT_TRUE(eml.open(QIODevice::ReadOnly));
        const QByteArray bytes = eml.readAll();
        for (const QByteArray& line : bytes.split('\n')) {
            EXPECT_LE(line.size(), 77) << line.constData();
            if (!line.isEmpty()) {
                EXPECT_TRUE(line.endsWith('\r')) << line.constData();
            }
        }
    }
}

// An unknown field stops the command before any file is written, naming it.
TEST_F(MailingCommands, AnUnknownFieldIsRefusedBeforeAnythingIsWritten) {
    writeMessage("Avviso per {Nome}", "Caro {Nome}, la tua {Quota} scade il {Scadenza}.");
    const QString out = file("posta");
    ASSERT_TRUE(QDir().mkpath(out));
    struct Case {
        const char* option;
        QString target;
    };
    for (const Case& c : {Case{"--pdf", file("l.pdf")}, Case{"--eml", out}}) {
        const CommandResult result = runCommand({QStringLiteral("lettere"), QStringLiteral("2"),
                                                 QString::fromLatin1(c.option), c.target});
        EXPECT_EQ(result.status, 1) << c.option;
        EXPECT_EQ(result.err,
                  QStringLiteral("Il testo contiene un campo che non esiste: {Quota}.\n"));
    }
    EXPECT_FALSE(QFile::exists(file("l.pdf")));
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

// A logo that cannot be read is said and left out; a folder that does not
// exist gets no message and the command says why.
TEST_F(MailingCommands, AnUnreadableLogoIsSaidAndAMissingFolderWritesNothing) {
    QFile broken(file("logo.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    mailing::Association association;
    association.name = QStringLiteral("Associazione");
    association.logo = file("logo.png");
    mailing::setAssociation(association);
    const CommandResult cards = runCommand(
        {QStringLiteral("tessere"), QStringLiteral("anagrafica"), QStringLiteral("--stagione"),
         QStringLiteral("2024/2025"), QStringLiteral("--pdf"), file("tessere.pdf")});
    EXPECT_EQ(cards.status, 0);
    EXPECT_TRUE(cards.err.startsWith(
        QStringLiteral("Il logo non si può leggere (%1): ").arg(file("logo.png"))))
        << qPrintable(cards.err);
    EXPECT_TRUE(QFile::exists(file("tessere.pdf")));

    writeMessage("Avviso", "Caro {Nome}.");
    const QString missing = file("manca/qui");
    const CommandResult mails = runCommand(
        {QStringLiteral("lettere"), QStringLiteral("2"), QStringLiteral("--eml"), missing});
    EXPECT_EQ(mails.status, 1);
    EXPECT_TRUE(mails.err.endsWith(
        QStringLiteral("Impossibile scrivere nella cartella %1: La cartella non esiste.\n")
            .arg(missing)))
        << qPrintable(mails.err);
    EXPECT_FALSE(QFileInfo::exists(file("manca")));
}

}  // namespace
