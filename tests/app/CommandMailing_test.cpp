#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
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
                      "'defects': len(m.defects) + sum(len(m[k].defects) for k in m.keys()), "
                      "'addresses': [a.addr_spec for a in m['To'].addresses], "
                      "'names': [a.display_name for a in m['To'].addresses], "
                      "'id': str(m['Message-ID'] or ''), "
                      "'body': m.get_content()}))\n"),
                  path});
    python.waitForFinished(60000);
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// The association's name, logo and sender, its other data empty.
mailing::Association associationNamed(const QString& name, const QString& logo,
                                      const QString& email) {
    mailing::Association result;
    result.name = name;
    result.logo = logo;
    result.email = email;
    return result;
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
        mailing::setAssociation(associationNamed(QStringLiteral("Associazione Cacciatori Senesi"),
                                                 QString(),
                                                 QStringLiteral("segreteria@example.it")));
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
    EXPECT_TRUE(first.contains(QStringLiteral("1 ottobre 2024")));
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
    mailing::setAssociation(
        associationNamed(QStringLiteral("Associazione"), file("logo.png"), QString()));
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

// A recipient's name that two members bear stops the command, naming the
// name and the records, until --tutti-gli-omonimi or --scheda settles it.
TEST_F(MailingCommands, NamesakesAreSettledOnlyByTheOptions) {
    TestHunter other{.surname = "Rossi", .name = "Mario", .codFisc = "RSSMRA90B02D612Z"};
    other.address = "Via dei Pini 4";
    other.town = "Firenze";
    TestHunter rossi{.surname = "Rossi", .name = "Mario", .codFisc = "RSSMRA80A01H501U"};
    rossi.address = "Via Roma 1";
    rossi.town = "Siena";
    TestHunter nicolo{.surname = "Dell'Orto", .name = "Nicol\xF2"};
    nicolo.address = "Piazza del Campo 3";
    nicolo.town = "Siena";
    ASSERT_TRUE(writeHunters(file("Cacciatori.pro"), {rossi, nicolo, other}));
    writeMessage("Avviso", "Caro {Nome}.");
    struct Case {
        QStringList options;
        int status;
        QString err;
        int pages;  // 0: no file
        const char* street;
    };
    const QString unsettled = QStringLiteral(
        "Destinatari non trovati in archivio, esclusi: Verdi Luca.\n"
        "Destinatari con più schede dello stesso nome: Rossi Mario (schede 1, 3).\n"
        "Indicare --tutti-gli-omonimi oppure --scheda con i numeri delle schede scelte. Nulla è "
        "stato scritto.\n");
    const QString found =
        QStringLiteral("Destinatari non trovati in archivio, esclusi: Verdi Luca.\n");
    const Case cases[] = {
        {{}, 1, unsettled, 0, nullptr},
        {{QStringLiteral("--tutti-gli-omonimi")}, 0, found, 3, "Via dei Pini 4"},
        {{QStringLiteral("--scheda"), QStringLiteral("3")}, 0, found, 2, "Via dei Pini 4"},
        {{QStringLiteral("--scheda"), QStringLiteral("1,3")}, 0, found, 3, "Via Roma 1"},
        {{QStringLiteral("--scheda"), QStringLiteral("2")},
         1,
         found + QStringLiteral("La scheda 2 non è tra gli omonimi dei destinatari. Nulla è stato "
                                "scritto.\n"),
         0,
         nullptr},
    };
    for (const Case& c : cases) {
        QFile::remove(file("l.pdf"));
        const CommandResult result =
            runCommand(QStringList{QStringLiteral("lettere"), QStringLiteral("2"),
                                   QStringLiteral("--pdf"), file("l.pdf")} +
                       c.options);
        const QString label = c.options.join(u' ');
        EXPECT_EQ(result.status, c.status) << qPrintable(label);
        EXPECT_EQ(result.err, c.err) << qPrintable(label);
        if (c.pages == 0) {
            EXPECT_FALSE(QFile::exists(file("l.pdf"))) << qPrintable(label);
            continue;
        }
        ASSERT_EQ(pdfPageCount(file("l.pdf")), c.pages) << qPrintable(label);
        EXPECT_TRUE(squeezeBlanks(pdfText(file("l.pdf"))).contains(QString::fromLatin1(c.street)))
            << qPrintable(label);
    }
}

// Two addresses in a field make an address list; a field that holds
// something else is refused with the record named; a name that looks like
// an encoded word is written as one, so that it reads back as it stands.
// Each message has its Date and its own Message-ID.
TEST_F(MailingCommands, AddressListsAndDisplayNamesReadBackWithoutDefects) {
    const auto hunter = [](const char* surname, const char* name, const char* email) {
        TestHunter h{.surname = surname, .name = name};
        h.address = "Via Roma 1";
        h.town = "Siena";
        h.email = email;
        return h;
    };
    ASSERT_TRUE(writeHunters(file("Cacciatori.pro"),
                             {hunter("Virgola", "Anna", "anna@esempio.it, spia@evil.example"),
                              hunter("=?UTF-8?Q?Capo?=", "Luca", "luca@example.it"),
                              hunter("Storto", "Ugo", "ugo@example.it> <altro@evil.example")}));
    mailing::setAssociation(associationNamed(QStringLiteral("Associazione \"Cacciatori\" di Città"),
                                             QString(), QStringLiteral("segreteria@example.it")));
    TestCommunication message{.subject = "Avviso",
                              .date = "01/10/2024",
                              .hunters = "Virgola Anna\r\n=?UTF-8?Q?Capo?= Luca\r\nStorto Ugo",
                              .message = "Caro {Nome}."};
    ASSERT_TRUE(writeCommunications(file("Comunicazioni.pro"), {TestCommunication{}, message}));
    const QString out = file("posta");
    ASSERT_TRUE(QDir().mkpath(out));
    const CommandResult result =
        runCommand({QStringLiteral("lettere"), QStringLiteral("2"), QStringLiteral("--eml"), out});
    EXPECT_EQ(result.status, 0) << qPrintable(result.err);
    EXPECT_EQ(result.err, QStringLiteral("Indirizzi e-mail non validi, esclusi: Storto Ugo (scheda "
                                         "3: «ugo@example.it> <altro@evil.example»).\n"));
    const QStringList files = QDir(out).entryList({QStringLiteral("*.eml")}, QDir::Files);
    ASSERT_EQ(files, (QStringList{QStringLiteral("001 Virgola Anna.eml"),
                                  QStringLiteral("002 __UTF-8_Q_Capo__ Luca.eml")}));
    const QJsonObject anna = parsedEml(QDir(out).filePath(files.at(0)));
    EXPECT_EQ(anna.value(QStringLiteral("defects")).toInt(), 0);
    EXPECT_EQ(anna.value(QStringLiteral("addresses")).toArray(),
              (QJsonArray{QStringLiteral("anna@esempio.it"), QStringLiteral("spia@evil.example")}));
    EXPECT_EQ(anna.value(QStringLiteral("names")).toArray(),
              (QJsonArray{QStringLiteral("Virgola Anna"), QStringLiteral("Virgola Anna")}));
    EXPECT_EQ(
        anna.value(QStringLiteral("from")).toString(),
        QStringLiteral("\"Associazione \\\"Cacciatori\\\" di Città\" <segreteria@example.it>"));
    EXPECT_TRUE(anna.value(QStringLiteral("date"))
                    .toString()
                    .contains(QStringLiteral("20 Sep 2024 10:30:00")))
        << qPrintable(anna.value(QStringLiteral("date")).toString());
    const QJsonObject luca = parsedEml(QDir(out).filePath(files.at(1)));
    EXPECT_EQ(luca.value(QStringLiteral("defects")).toInt(), 0);
    EXPECT_EQ(luca.value(QStringLiteral("names")).toArray(),
              QJsonArray{QStringLiteral("=?UTF-8?Q?Capo?= Luca")});
    const QString first = anna.value(QStringLiteral("id")).toString();
    EXPECT_TRUE(first.startsWith(u'<') && first.endsWith(QStringLiteral("@example.it>")))
        << qPrintable(first);
    EXPECT_NE(first, luca.value(QStringLiteral("id")).toString());
}

// The association's data are shown, changed field by field ("\\n" a new
// line, "-" empties one) and checked as the window checks them.
TEST_F(MailingCommands, AssociationDataAreShownAndChangedLikeInTheWindow) {
    const CommandResult set = runCommand(
        {QStringLiteral("associazione"), QStringLiteral("--luogo"), QStringLiteral("Prato"),
         QStringLiteral("--firma"), QStringLiteral("Il Presidente\\nMario Rossi"),
         QStringLiteral("--codice-fiscale"), QStringLiteral("92012345678"),
         QStringLiteral("--email"), QStringLiteral("-")});
    EXPECT_EQ(set.status, 0) << qPrintable(set.err);
    EXPECT_EQ(set.out, QStringLiteral("Nome: Associazione Cacciatori Senesi\n"
                                      "Indirizzo: \n"
                                      "Codice fiscale: 92012345678\n"
                                      "Telefono: \n"
                                      "E-mail: \n"
                                      "Luogo: Prato\n"
                                      "Firma: Il Presidente / Mario Rossi\n"
                                      "Logo: \n"));
    EXPECT_EQ(mailing::association().signature, QStringLiteral("Il Presidente\nMario Rossi"));
    const CommandResult wrong = runCommand(
        {QStringLiteral("associazione"), QStringLiteral("--email"), QStringLiteral("a@b")});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.err,
              QStringLiteral("L'indirizzo e-mail dell'associazione non è valido: a@b\n"));
    EXPECT_EQ(mailing::association().email, QString());
}

// The longest realistic address: in a letter it wraps in its box at 10
// points or more and loses no word; the date follows the place, the
// salutation the member's sex, the letterhead and signature come from the
// association; a recipient without an address is named, and gets no page.
TEST_F(MailingCommands, ALetterToTheLongestAddressWrapsItReadably) {
    TestHunter long_{.surname = "Della Gherardesca Bonaccorsi Pignatelli d'Aragona",
                     .name = "Maria Vittoria Benedetta"};
    long_.address = "Localit\xE0 Poggio all'Olmo, Strada Vicinale della Fonte Vecchia 127/B";
    long_.postcode = "50012";
    long_.town = "Bagno a Ripoli";
    long_.province = "FI";
    long_.sex = "F";
    TestHunter rossi{.surname = "Rossi", .name = "Mario"};
    rossi.address = "Via Roma 1";
    rossi.town = "Siena";
    rossi.sex = "M";
    ASSERT_TRUE(
        writeHunters(file("Cacciatori.pro"),
                     {long_, rossi, TestHunter{.surname = "Rossini", .name = "Gioacchino"}}));
    mailing::Association association = mailing::association();
    association.place = QStringLiteral("Prato");
    association.address = QStringLiteral("Via del Bosco 12, 59100 Prato (PO)");
    association.fiscalCode = QStringLiteral("92012345678");
    association.signature = QStringLiteral("Il Presidente\nAldo Neri");
    mailing::setAssociation(association);
    TestCommunication message{
        .subject = "Assemblea",
        .date = "11/12/2026",
        .hunters =
            "Della Gherardesca Bonaccorsi Pignatelli d'Aragona Maria Vittoria "
            "Benedetta\r\nRossi Mario\r\nRossini Gioacchino",
        .message = "{Gentile} {Cognome},\r\nl'assemblea si terr\xE0 in sede."};
    ASSERT_TRUE(writeCommunications(file("Comunicazioni.pro"), {TestCommunication{}, message}));
    const CommandResult result = runCommand(
        {QStringLiteral("lettere"), QStringLiteral("2"), QStringLiteral("--pdf"), file("l.pdf")});
    EXPECT_EQ(result.status, 0) << qPrintable(result.err);
    EXPECT_EQ(result.err,
              QStringLiteral("Destinatari senza indirizzo, lettere non stampate: Rossini "
                             "Gioacchino.\n"));
    EXPECT_EQ(result.out, QStringLiteral("Scritte 2 lettere in %1\n").arg(file("l.pdf")));
    ASSERT_EQ(pdfPageCount(file("l.pdf")), 2);
    const QString first = squeezeBlanks(pdfText(file("l.pdf"), 1));
    for (const char* text :
         {"Associazione Cacciatori Senesi", "Via del Bosco 12, 59100 Prato (PO)",
          "C.F. 92012345678 - E-mail segreteria@example.it", "Prato, 11 dicembre 2026",
          "Gentile signora Della Gherardesca Bonaccorsi Pignatelli d'Aragona,", "Il Presidente",
          "Aldo Neri"}) {
        EXPECT_TRUE(first.contains(QString::fromUtf8(text))) << text << qPrintable(first);
    }
    EXPECT_TRUE(squeezeBlanks(pdfText(file("l.pdf"), 2))
                    .contains(QStringLiteral("Gentile signore Rossi,")));
    // The address block: right half of the page, between the rule and the
    // date, every word of it there and none smaller than 10 points.
    const QRectF block = pointsOf(QRectF(105, 40, 90, 44));
    QStringList inBlock;
    for (const PageWord& word : pageWords(file("l.pdf"), 1)) {
        if (!block.contains(word.box.center())) continue;
        inBlock.append(word.text);
        EXPECT_GE(word.box.height(), 10) << qPrintable(word.text);
        EXPECT_LE(word.box.right(), pointsOf(QRectF(190, 0, 1, 1)).left() + 1)
            << qPrintable(word.text);
    }
    EXPECT_EQ(inBlock.join(u' '),
              QStringLiteral("Della Gherardesca Bonaccorsi Pignatelli d'Aragona Maria Vittoria "
                             "Benedetta Località Poggio all'Olmo, Strada Vicinale della Fonte "
                             "Vecchia 127/B 50012 Bagno a Ripoli (FI)"));
}

// A communication the archive does not have is named with the cause, never
// with an empty reason after the colon.
TEST_F(MailingCommands, AMissingCommunicationIsNamedWithItsCause) {
    writeMessage("Avviso", "Caro {Nome}.");
    for (const char* number : {"99", "3", "0"}) {
        const CommandResult result =
            runCommand({QStringLiteral("lettere"), QString::fromLatin1(number),
                        QStringLiteral("--pdf"), file("l.pdf")});
        EXPECT_EQ(result.status, 1) << number;
        EXPECT_EQ(result.err, QStringLiteral("La scheda %1 non si può leggere: %2: la scheda "
                                             "richiesta non è presente nel file\n")
                                  .arg(QString::fromLatin1(number), file("Comunicazioni.pro")));
    }
    EXPECT_FALSE(QFile::exists(file("l.pdf")));
}

}  // namespace
