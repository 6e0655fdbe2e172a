// The team card's RTF document read by a real word processor: the card is
// filled in on screen, exported with its window, and LibreOffice Writer
// converts the document to plain text, which must give back every heading
// and value, each member on his own line.
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "support/CardFixture.h"
#include "teams/TfrmSquadre.h"

namespace {

using WriterTest = CardFixture<TfrmSquadre>;

TEST_F(WriterTest, ReadsEveryHeadingAndValueOfTheTeamDocument) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    ASSERT_FALSE(soffice.isEmpty()) << "LibreOffice (libreoffice-writer-nogui) is not installed";

    struct Typed {
        const char* control;
        QStringList lines;  // Enter between them
    };
    const Typed typed[] = {
        {"txtSquadra", {QStringLiteral("I Cinghialai {del Monte}")}},
        {"txtForme", {QStringLiteral("Braccata al cinghiale")}},
        {"txtATC", {QStringLiteral("ATC Perugia 1")}},
        {"txtCaposquadra", {QStringLiteral("Łukasz Nowak")}},
        {"txtCacciatori",
         {QStringLiteral("Rossi Mario"), QStringLiteral("Bianchi Luigi"),
          QStringLiteral("Verdi Anna")}},
        {"txtEmail", {QStringLiteral("rossi@example.it,bianchi@example.it")}},
        {"txtVicecapo", {QStringLiteral("Bianchi Luigi")}},
        {"txtCapocanaio", {QStringLiteral("Neri Ugo")}},
        {"txtCapoposta", {QStringLiteral("Gialli Pio")}},
        {"txtNote", {QStringLiteral("C:\\cassa\\{quote} € 30, città")}},
    };
    for (const Typed& t : typed) {
        QWidget* field = card->findChild<QWidget*>(QString::fromLatin1(t.control));
        ASSERT_NE(field, nullptr) << t.control;
        field->setFocus();
        for (qsizetype i = 0; i < t.lines.size(); ++i) {
            if (i > 0) QTest::keyClick(field, Qt::Key_Return);
            typeText(field, t.lines.at(i));
        }
    }
    whenModal([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnStampa")),
                          Qt::LeftButton);
        if (modal->isVisible()) modal->close();
    });
    QTest::mouseClick(tool("cmdStampa"), Qt::LeftButton);
    const QString document = dataPath(QStringLiteral("Squadra_di_Caccia.rtf"));
    ASSERT_TRUE(QFile::exists(document));

    // Writer's plain text, in UTF-8 whatever the machine's locale (the
    // bare "Text" filter writes in the locale's encoding).
    QProcess convert;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.path());  // a profile of its own
    convert.setProcessEnvironment(environment);
    const QString outDir = folder.filePath(QStringLiteral("testo"));
    convert.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                            QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"),
                            outDir, document});
    ASSERT_TRUE(convert.waitForFinished(180000));
    QFile text(QDir(outDir).filePath(QStringLiteral("Squadra_di_Caccia.txt")));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly)) << convert.readAllStandardError().constData();
    QString read = QString::fromUtf8(text.readAll());
    if (read.startsWith(QChar(0xFEFF))) read.remove(0, 1);
    read.remove(u'\r');
    QStringList lines = read.split(u'\n');
    while (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();

    EXPECT_EQ(
        lines,
        (QStringList{
            QStringLiteral("SQUADRA DI CACCIA"),
            QString(48, u'_'),
            QString(),
            QStringLiteral("Nome squadra di caccia: I Cinghialai {del Monte}"),
            QString(),
            QStringLiteral("Forme di caccia praticate: Braccata al cinghiale"),
            QString(),
            QStringLiteral("Ambiti Territoriali di Caccia: ATC Perugia 1"),
            QString(),
            QStringLiteral("Capo squadra: Łukasz Nowak"),
            QString(),
            QStringLiteral("Cacciatori membri: Rossi Mario"),
            QStringLiteral("Bianchi Luigi"),
            QStringLiteral("Verdi Anna"),
            QString(),
            QStringLiteral("Indirizzi e-mail cacciatori: rossi@example.it,bianchi@example.it"),
            QString(),
            QStringLiteral("Vice capo squadra: Bianchi Luigi"),
            QString(),
            QStringLiteral("Capo canaio: Neri Ugo"),
            QString(),
            QStringLiteral("Capo posta: Gialli Pio"),
            QString(),
            QStringLiteral("Note: C:\\cassa\\{quote} € 30, città"),
        }));
}

}  // namespace
