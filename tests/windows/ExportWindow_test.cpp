#include "windows/ExportWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QToolButton>

#include "app/Archives.h"
#include "export/ExportFormats.h"
#include "hunters/HunterLists.h"
#include "support/Fixtures.h"
#include "support/HintHover.h"
#include "support/HunterArchive.h"

namespace {

const QString kXls = QStringLiteral("Anagrafica_Cacciatori.xls");

class ExportWindowTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        ASSERT_TRUE(writeHunters(dataPath(QStringLiteral("Cacciatori.pro")),
                                 {{"Rossi", "Mario", "RSSMRA"}, {"Bianchi", "<b>Anna</b>"}}));
        window = std::make_unique<ExportWindow>(hunters::exporter());
        window->show();
    }
    void clickExport() {
        testSeams().desktop.nextFileNames = {window->filePath()};
        QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("cmdEsporta")),
                          Qt::LeftButton);
    }
    const QString askExport = QStringLiteral(
        "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
        "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
    const QString askOpen = QStringLiteral(
        "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file "
        "di Excel?");
    std::unique_ptr<ExportWindow> window;
};

TEST_F(ExportWindowTest, ShowsTheArchiveInTheGrid) {
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral(" Esporta archivio anagrafico cacciatori in Microsoft Excel"));
    auto* grid = window->findChild<QTableView*>(QStringLiteral("grdRecords"));
    ASSERT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->columnCount(), 26);
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), QStringLiteral("Bianchi <b>Anna</b>"));
    EXPECT_EQ(grid->columnWidth(1), 250);
    EXPECT_EQ(grid->columnWidth(25), 300);
}

TEST_F(ExportWindowTest, ExportsAndOpensTheFileWhenTheUserAgrees) {
    clickExport();
    EXPECT_EQ(messages().take(), (QStringList{askExport, askOpen}));
    const QByteArray file = readFile(kXls);
    EXPECT_TRUE(file.contains("&lt;b&gt;Anna&lt;/b&gt;"));
    EXPECT_EQ(file.count("<tr>"), 3);
    EXPECT_EQ(desktop().opened, QStringList{u'"' + dataPath(kXls) + u'"'});
}

TEST_F(ExportWindowTest, TheAnswersNoStopWhereTheySay) {
    messages().answers = {false};
    clickExport();
    EXPECT_FALSE(QFile::exists(dataPath(kXls)));
    EXPECT_EQ(messages().take(), QStringList{askExport});

    messages().answers = {true, false};
    clickExport();
    EXPECT_TRUE(QFile::exists(dataPath(kXls)));
    EXPECT_TRUE(desktop().opened.isEmpty());
}

TEST_F(ExportWindowTest, AFileThatCannotBeWrittenIsReported) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(kXls));  // in the way of the file
    clickExport();
    ASSERT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown.at(1).kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().shown.at(1).text,
              QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                             "Accertarsi che il file di Excel non sia già aperto."));
    EXPECT_TRUE(desktop().opened.isEmpty());
}

TEST_F(ExportWindowTest, TheGuideShowsTheExportTopic) {
    QString title;
    whenModal([&](QWidget* modal) {
        title = modal->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text();
        modal->close();
    });
    QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("cmdGuida")), Qt::LeftButton);
    EXPECT_EQ(title,
              QStringLiteral("Esportazione archivio anagrafico cacciatori in Microsoft Excel"));
}

TEST_F(ExportWindowTest, ButtonsShowTheirHintsInTheStatusLine) {
    const QList<HintRow> hints{
        {"cmdEsporta", "Esporta l'archivio in formato Microsoft Excel."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questo ambiente di lavoro."},
    };
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* grid = window->findChild<QTableView*>(QStringLiteral("grdRecords"));
    EXPECT_EQ(hoverHints(window.get(), hints, grid->viewport(), QPoint(5, 5)), shownHints(hints));
}

TEST_F(ExportWindowTest, AnEmptyArchiveExportsTheHeaderOnly) {
    writeFile(QStringLiteral("Cacciatori.pro"), QByteArray());
    window->fillGrid();
    clickExport();
    const QByteArray file = readFile(kXls);
    EXPECT_EQ(file.count("<tr>"), 1);
    EXPECT_EQ(file.count("font-weight: bold;"), 25);
}

}  // namespace

namespace {

// The format list offers the archive's formats; each writes its own file,
// which the window then offers to open.
TEST_F(ExportWindowTest, TheChosenFormatWritesItsFile) {
    registry::install(&archives::all);
    ExportWindow typed(hunters::exporter());
    typed.show();
    auto* formats = typed.findChild<QComboBox*>(QStringLiteral("cboFormato"));
    ASSERT_NE(formats, nullptr);
    ASSERT_EQ(formats->count(), 3);  // no calendar for the hunters
    EXPECT_EQ(formats->itemText(0), QStringLiteral("Excel (.xls)"));
    struct Case {
        int item;
        const char* file;
        QByteArray start;
    } cases[] = {
        {1, "Anagrafica_Cacciatori.xlsx", "PK"},
        {2, "Anagrafica_Cacciatori.csv",
         "\xEF\xBB\xBF"
         "Cognome;Nome;Codice fiscale;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        formats->setCurrentIndex(c.item);
        testSeams().desktop.nextFileNames = {typed.filePath()};
        QTest::mouseClick(typed.findChild<QToolButton*>(QStringLiteral("cmdEsporta")),
                          Qt::LeftButton);
        messages().take();
        const QString name = QString::fromLatin1(c.file);
        EXPECT_TRUE(readFile(name).startsWith(c.start));
        EXPECT_EQ(desktop().opened.value(desktop().opened.size() - 1),
                  u'"' + dataPath(name) + u'"');
    }
    EXPECT_FALSE(QFile::exists(dataPath(kXls)));
    registry::install(nullptr);
}

// The texts name the format chosen; the file goes where the save dialog
// says, and the next export proposes that folder.
TEST_F(ExportWindowTest, TheSaveDialogPicksTheFileAndItsFolderIsProposedNextTime) {
    registry::install(&archives::all);
    ExportWindow typed(hunters::exporter());
    typed.show();
    typed.findChild<QComboBox*>(QStringLiteral("cboFormato"))->setCurrentIndex(2);
    EXPECT_EQ(typed.findChild<QLabel*>(QStringLiteral("imgLogo"))->text(),
              QStringLiteral("Esportazione in CSV"));
    EXPECT_EQ(typed.findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->toolTip(),
              QStringLiteral("Esporta l'archivio in CSV."));
    const QString elsewhere = dataPath(QStringLiteral("altrove"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    const QString chosen = QDir(elsewhere).filePath(QStringLiteral("soci.csv"));
    desktop().nextFileNames = {chosen};
    QTest::mouseClick(typed.findChild<QToolButton*>(QStringLiteral("cmdEsporta")), Qt::LeftButton);
    ASSERT_EQ(desktop().dialogs.size(), 1);
    EXPECT_EQ(desktop().dialogs.first().folder,
              dataPath(QStringLiteral("Anagrafica_Cacciatori.csv")));
    EXPECT_EQ(desktop().dialogs.first().filter, QStringLiteral("File CSV (*.csv)"));
    const QStringList said = messages().take();
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said.at(0).startsWith(QStringLiteral("L'esportazione dei dati in CSV può")));
    EXPECT_EQ(said.at(1), QStringLiteral("Le schede in archivio sono state esportate con "
                                         "successo.\r\n\r\nSi vuole aprire il file CSV?"));
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_FALSE(QFile::exists(dataPath(QStringLiteral("Anagrafica_Cacciatori.csv"))));
    EXPECT_EQ(typed.filePath(),
              QDir(elsewhere).filePath(QStringLiteral("Anagrafica_Cacciatori.csv")));
    // Annulla in the dialog writes nothing.
    desktop().nextFileNames = {QString()};
    QTest::mouseClick(typed.findChild<QToolButton*>(QStringLiteral("cmdEsporta")), Qt::LeftButton);
    EXPECT_EQ(messages().take().size(), 1);  // the question only
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files), QStringList{QStringLiteral("soci.csv")});
    registry::install(nullptr);
}

}  // namespace
