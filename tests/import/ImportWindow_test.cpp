#include "import/ImportWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "app/Archives.h"
#include "records/RecordCodec.h"
#include "support/Fixtures.h"
#include "support/TeamArchive.h"

namespace {

class ImportWindowTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        window = std::make_unique<ImportWindow>(archives::all());
        window->show();
    }

    template <typename W>
    W* find(const char* name) const {
        W* widget = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void choose(const char* archive, const QByteArray& csv) {
        auto* box = find<QComboBox>("cboArchivio");
        box->setCurrentIndex(box->findText(QString::fromLatin1(archive)));
        writeFile(QStringLiteral("elenco.csv"), csv);
        find<QLineEdit>("txtFile")->setText(dataPath(QStringLiteral("elenco.csv")));
        find<QPushButton>("btnLeggi")->click();
    }

    QByteArray stored(const char* archive) const {
        QFile f(archives::named(QString::fromLatin1(archive))->recordFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::unique_ptr<ImportWindow> window;
};

const QByteArray kTeams =
    "Squadra;Capo squadra;Nominativi;Colonna in piu\r\n"
    "Alfa;Rossi Mario;\"Rossi Mario\nVerdi Anna\";x\r\n"
    ";Bianchi Ugo;;y\r\n"
    "Beta;Neri Eva;;z\r\n";

TEST_F(ImportWindowTest, ShowsEachColumnWithItsFieldAndTheRowsAsTheyWouldBeStored) {
    choose("squadre", kTeams);
    auto* columns = find<QTableWidget>("grdColonne");
    ASSERT_EQ(columns->rowCount(), 4);
    const auto fieldOf = [&](int row) {
        return qobject_cast<QComboBox*>(columns->cellWidget(row, 1))->currentText();
    };
    EXPECT_EQ(fieldOf(0), "Squadra di caccia");
    EXPECT_EQ(fieldOf(1), "Capo squadra");
    EXPECT_EQ(fieldOf(2), "non importare");
    EXPECT_EQ(fieldOf(3), "non importare");
    // The members' column chosen by hand.
    auto* members = qobject_cast<QComboBox*>(columns->cellWidget(2, 1));
    members->setCurrentIndex(members->findText(QStringLiteral("Cacciatori membri")));
    auto* preview = find<QTableWidget>("grdAnteprima");
    ASSERT_EQ(preview->rowCount(), 3);
    EXPECT_EQ(preview->item(0, 0)->text(), "2");
    EXPECT_EQ(preview->item(0, 1)->text(), "da aggiungere");
    // Row 2 holds a quoted line break: the next row starts on line 4.
    EXPECT_EQ(preview->item(1, 0)->text(), "4");
    EXPECT_TRUE(preview->item(1, 1)->text().startsWith(
        QStringLiteral("rifiutata: Attenzione: per salvare la scheda è necessario indicare il nome "
                       "della squadra di caccia.")));
    EXPECT_EQ(preview->item(0, 4)->text(), "Rossi Mario\r\nVerdi Anna");
    EXPECT_EQ(find<QLabel>("lblAllegati")->text(), "Gli allegati e le foto non vengono importati.");
    EXPECT_FALSE(find<QPushButton>("btnImporta")->isEnabled());
}

TEST_F(ImportWindowTest, TheDryRunComesFirstThenTheImportWritesTheAcceptedRows) {
    choose("squadre", kTeams);
    find<QPushButton>("btnProva")->click();
    EXPECT_TRUE(stored("squadre").isEmpty());
    EXPECT_TRUE(find<QPlainTextEdit>("txtResoconto")
                    ->toPlainText()
                    .startsWith(QStringLiteral(
                        "Righe lette: 3\nDa aggiungere: 2\nRifiutate: 1\n  riga 4: ")));
    ASSERT_TRUE(find<QPushButton>("btnImporta")->isEnabled());
    // A change after the dry run asks for another.
    find<QCheckBox>("chkDoppioni")->setChecked(true);
    EXPECT_FALSE(find<QPushButton>("btnImporta")->isEnabled());
    find<QPushButton>("btnProva")->click();
    messages().answers = {true};
    find<QPushButton>("btnImporta")->click();
    // The result is only told: OK alone.
    ASSERT_EQ(messages().shown.size(), 2);
    EXPECT_EQ(messages().shown.last().kind, ShownMessage::Kind::Information);
    EXPECT_FALSE(messages().shown.last().cancel);
    EXPECT_EQ(messages().take(),
              (QStringList{"Si vogliono aggiungere 2 schede all'archivio squadre?",
                           "Schede importate: 2 (dalla n. 1 alla n. 2)."}));
    EXPECT_EQ(stored("squadre").size(), 2 * archives::named("squadre")->layout->recordSize());
}

TEST_F(ImportWindowTest, AnnullaDuringTheImportLeavesTheArchiveAsItWas) {
    QByteArray csv = "Squadra;Capo squadra\r\n";
    for (int i = 0; i < 400; ++i)
        csv += QByteArray("Squadra ") + QByteArray::number(i) + ";Rossi\r\n";
    choose("squadre", csv);
    find<QPushButton>("btnProva")->click();
    progress().cancelAt(1, QStringLiteral("Importazione in corso..."));
    find<QPushButton>("btnImporta")->click();
    EXPECT_TRUE(stored("squadre").isEmpty());
    EXPECT_EQ(messages().take().last(), "Importazione annullata: l'archivio è rimasto com'era.");
}

// The rows the trial would add were stored meanwhile (another station):
// the import adds nothing and says why, never "0 schede" or an empty cause.
TEST_F(ImportWindowTest, RowsStoredSinceTheTrialAreNotImportedAndTheMessageSaysWhy) {
    choose("squadre", kTeams);
    find<QPushButton>("btnProva")->click();
    ASSERT_TRUE(find<QPushButton>("btnImporta")->isEnabled());
    ASSERT_TRUE(writeTeams(archives::named(QStringLiteral("squadre"))->recordFile(),
                           {{.name = "Alfa"}, {.name = "Beta"}}));
    const QByteArray before = stored("squadre");
    messages().answers = {true};
    find<QPushButton>("btnImporta")->click();
    EXPECT_EQ(messages().take().last(),
              "Nessuna scheda importata: dopo la prova l'archivio è cambiato e nessuna riga del "
              "file è più da aggiungere.");
    EXPECT_EQ(stored("squadre"), before);
}

TEST_F(ImportWindowTest, TheLastMappingOfEachArchiveIsRemembered) {
    choose("squadre", kTeams);
    auto* columns = find<QTableWidget>("grdColonne");
    auto* members = qobject_cast<QComboBox*>(columns->cellWidget(2, 1));
    members->setCurrentIndex(members->findText(QStringLiteral("Cacciatori membri")));
    find<QPushButton>("btnProva")->click();
    // Another window, the same file: the members' column comes back chosen.
    window = std::make_unique<ImportWindow>(archives::all());
    choose("squadre", kTeams);
    columns = find<QTableWidget>("grdColonne");
    EXPECT_EQ(qobject_cast<QComboBox*>(columns->cellWidget(2, 1))->currentText(),
              "Cacciatori membri");
}

TEST_F(ImportWindowTest, ABadFileIsNamedWithItsLine) {
    choose("squadre", "Squadra;Capo squadra\r\nAlfa;\"Rossi\r\n");
    EXPECT_EQ(messages().take(),
              (QStringList{"riga 2: virgolette non bilanciate: la cella tra virgolette aperta "
                           "qui non si chiude fino alla fine del file."}));
    EXPECT_FALSE(find<QPushButton>("btnProva")->isEnabled());
}

// A secretary's members' sheet, titled as secretaries title it.
QByteArray membersSheet() {
    QByteArray csv =
        "Cognome;Nome;Sesso;Data di nascita;Luogo di nascita;Prov.;Indirizzo;CAP;Città;Prov.;"
        "Telefono;Cellulare;E-mail;Codice fiscale;N. porto d'armi;Rilasciato il;Scade il;"
        "Data iscrizione;Squadra;Quota;Tessera socio\r\n";
    for (int i = 0; i < 30; ++i) {
        csv += "Rossi;Mario " + QByteArray::number(i) +
               ";M;02/03/1970;Arezzo;AR;Via Roma 1;6012;Città di Castello;PG;075 123;333 123;"
               "m@esempio.it;RSSMRA70C02A390X;AB123;10/01/2024;10/01/2029;15/01/2020;Alfa;"
               "120,50;T-" +
               QByteArray::number(i) + "\r\n";
    }
    return csv;
}

// On a 1366 x 768 screen: ten columns and more in sight, the column with
// data that no field takes marked, a value for a field the sheet lacks, and
// a report that says it is out of date once the mapping changes.
TEST_F(ImportWindowTest, ASecretarysSheetOnALaptopScreen) {
    choose("anagrafica", membersSheet());
    EXPECT_LE(window->frameGeometry().width(), 1366);
    EXPECT_LE(window->frameGeometry().height(), 740);
    auto* columns = find<QTableWidget>("grdColonne");
    ASSERT_EQ(columns->rowCount(), 21);
    EXPECT_GE(columns->rowAt(columns->viewport()->height() - 1), 9);
    const auto fieldOf = [&](int row) {
        return qobject_cast<QComboBox*>(columns->cellWidget(row, 1))->currentText();
    };
    EXPECT_EQ(fieldOf(5), "Prov. (nascita)");
    EXPECT_EQ(fieldOf(9), "Prov. (residenza)");
    EXPECT_EQ(fieldOf(15), "Data rilascio (porto di fucile)");
    EXPECT_EQ(fieldOf(16), "Prossima scadenza");
    EXPECT_EQ(fieldOf(17), "Data iscrizione");
    EXPECT_EQ(fieldOf(20), "non importare");
    EXPECT_TRUE(columns->item(20, 2)->text().startsWith(
        QStringLiteral("Ha dei dati ma non viene importata")));
    EXPECT_TRUE(columns->item(0, 2)->text().isEmpty());

    auto* fields = find<QComboBox>("cboCampoFisso");
    fields->setCurrentIndex(fields->findText(QStringLiteral("Giorni di preavviso")));
    find<QLineEdit>("txtValoreFisso")->setText(QStringLiteral("30"));
    find<QPushButton>("btnAggiungiValore")->click();
    auto* preview = find<QTableWidget>("grdAnteprima");
    int notice = -1;
    for (int c = 0; c < preview->columnCount(); ++c) {
        if (preview->horizontalHeaderItem(c)->text() == u"Giorni di preavviso") notice = c;
    }
    ASSERT_GE(notice, 0);
    EXPECT_EQ(preview->item(0, notice)->text(), "30");
    EXPECT_EQ(preview->item(0, 1)->text(), "da aggiungere");

    find<QPushButton>("btnProva")->click();
    auto* report = find<QPlainTextEdit>("txtResoconto");
    // Every row is one member's (one codice fiscale): the first is added,
    // the others are his duplicates.
    EXPECT_TRUE(report->toPlainText().startsWith(
        QStringLiteral("Righe lette: 30\nDa aggiungere: 1\nRifiutate: 0\nPossibili doppioni: 29")))
        << report->toPlainText().toStdString();
    EXPECT_TRUE(report->toPlainText().contains(QStringLiteral(
        "CAP completati con lo zero iniziale (il foglio li teneva come numeri): 30")));
    qobject_cast<QComboBox*>(columns->cellWidget(2, 1))->setCurrentIndex(0);
    EXPECT_TRUE(report->toPlainText().startsWith(QStringLiteral("RESOCONTO NON PIÙ VALIDO")));
    EXPECT_TRUE(columns->item(2, 2)->text().startsWith(
        QStringLiteral("Ha dei dati ma non viene importata")));
    EXPECT_FALSE(find<QPushButton>("btnImporta")->isEnabled());
}

}  // namespace
