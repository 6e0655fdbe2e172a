#include "membership/TfrmTesseramento.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "membership/MembershipSettings.h"
#include "membership/TfrmImpostazioniTesseramento.h"
#include "support/CardFixture.h"
#include "support/HunterArchive.h"
#include "support/PdfText.h"

namespace {

// The test clock's today, 07/03/2024, falls in the season 2023/2024.
class MembershipWindow : public CardFixture<TfrmTesseramento> {
protected:
    void SetUp() override {
        CardFixture<TfrmTesseramento>::SetUp();
        ASSERT_TRUE(writeHunters(
            dataPath(QStringLiteral("Cacciatori.pro")),
            {{.surname = "Rossi", .name = "Mario"}, {.surname = "Verdi", .name = "Anna"}}));
    }
    void openSeason() {
        EXPECT_EQ(edit("txtStagione")->text(), QStringLiteral("2023/2024"));
        QTest::mouseClick(control<QPushButton>("btnApri"), Qt::LeftButton);
    }
};

TEST_F(MembershipWindow, RenewThenPayTheShownFeeAndWriteItsReceipt) {
    openSeason();
    EXPECT_EQ(label("lblStagione"), QStringLiteral("2023/2024"));
    click("cmdRinnova");
    EXPECT_EQ(messages().take().last(),
              QStringLiteral("Rinnovo della stagione 2023/2024: 2 soci aggiunti, 0 già presenti."));
    EXPECT_EQ(position(), QStringLiteral("2"));
    EXPECT_EQ(text("txtSocio"), QStringLiteral("Verdi Anna"));
    EXPECT_EQ(text("txtStato"), QStringLiteral("da pagare"));

    const QString pdf = dataPath(QStringLiteral("ricevuta.pdf"));
    desktop().nextFileNames = {pdf};
    click("cmdPaga");
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral(
                  "Pagamento registrato: ricevuta n. 1. Scrivere la ricevuta in PDF?")});
    EXPECT_EQ(text("txtStato"), QStringLiteral("pagata"));
    EXPECT_EQ(text("txtRicevuta"), QStringLiteral("1"));
    EXPECT_EQ(text("txtDataPag"), QStringLiteral("07/03/2024"));
    EXPECT_EQ(text("txtMetodo"), QStringLiteral("contanti"));
    EXPECT_EQ(desktop().opened, QStringList{pdf});
    EXPECT_TRUE(squeezeBlanks(pdfText(pdf)).contains(QStringLiteral("RICEVUTA N. 1/2024")));

    click("cmdPaga");
    const QStringList twice = messages().take();
    ASSERT_EQ(twice.size(), 1);
    EXPECT_TRUE(twice.first().contains(QStringLiteral("è già pagata: ricevuta n. 1")))
        << twice.first().toStdString();
}

TEST_F(MembershipWindow, ACardNotYetStoredIsNotPaid) {
    openSeason();
    click("cmdPaga");
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Attenzione: salvare la scheda, o sceglierne una "
                                         "dall'archivio, prima di procedere.")});
    EXPECT_FALSE(QFile::exists(dataPath(QStringLiteral("Ricevute/Ricevute.num"))));
}

TEST_F(MembershipWindow, TheSettingsWindowNamesAWrongLineAndStoresGoodOnes) {
    TfrmImpostazioniTesseramento window(card.get());
    auto* fees = window.findChild<QPlainTextEdit*>(QStringLiteral("txtQuote"));
    ASSERT_NE(fees, nullptr);
    EXPECT_TRUE(fees->toPlainText().startsWith(QStringLiteral("ordinaria=84,00\ngiovani=42,00")));
    fees->setPlainText(QStringLiteral("ordinaria=90\nsostenitore 150"));
    EXPECT_FALSE(window.store());
    EXPECT_EQ(messages().take(),
              QStringList{QStringLiteral("Attenzione: Tipo di quota non valido: \"sostenitore "
                                         "150\" (scrivere per esempio ordinaria=84,00).")});
    fees->setPlainText(QStringLiteral("ordinaria=90\nsostenitore=150"));
    window.findChild<QLineEdit*>(QStringLiteral("txtSoglia"))->setText(QStringLiteral("100"));
    EXPECT_TRUE(window.store());
    const membership::Settings stored = membership::settingsNow();
    ASSERT_EQ(stored.fees.size(), 2);
    EXPECT_EQ(stored.fees.at(1).name, QStringLiteral("sostenitore"));
    EXPECT_EQ(stored.fees.at(1).amount, QStringLiteral("150,00"));
    EXPECT_EQ(stored.stampThreshold, QStringLiteral("100,00"));
}

}  // namespace
