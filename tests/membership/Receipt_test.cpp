#include "membership/Receipt.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "base/Paths.h"
#include "support/PdfText.h"

namespace {

TRecTessera paidCard(const char* amount) {
    TRecTessera card;
    card.Stagione = QStringLiteral("2026/2027");
    card.Scheda = QStringLiteral("12");
    card.Socio = QStringLiteral("Rossi Mario");
    card.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    card.Quota = QStringLiteral("ordinaria");
    card.Importo = QString::fromLatin1(amount);
    card.Stato = QStringLiteral("pagata");
    card.DataPag = QStringLiteral("15/09/2026");
    card.Metodo = QStringLiteral("contanti");
    card.Ricevuta = QStringLiteral("17");
    card.AnnoRic = QStringLiteral("2026");
    return card;
}

mailing::Association association() {
    mailing::Association a;
    a.name = QStringLiteral("Associazione Cacciatori Val di Bisenzio");
    a.address = QStringLiteral("Via del Bosco 3\n59025 Cantagallo (PO)");
    a.fiscalCode = QStringLiteral("92012345678");
    a.signature = QStringLiteral("Il tesoriere");
    return a;
}

QString textsOf(const report::Report& page) {
    return report::prepare(page, QDate(2026, 9, 15)).texts().join(u'\n');
}

struct Stamp {
    const char* amount;
    bool box;
};

class StampBox : public ::testing::TestWithParam<Stamp> {};

// The revenue-stamp box, on both copies, above the threshold only.
TEST_P(StampBox, AboveTheThresholdOnly) {
    const QString texts = textsOf(membership::receiptReport(
        paidCard(GetParam().amount), association(), QStringLiteral("77,47")));
    EXPECT_EQ(texts.count(QStringLiteral("Marca da\nbollo")), GetParam().box ? 2 : 0)
        << texts.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Amounts, StampBox,
                         ::testing::Values(Stamp{"0,50", false}, Stamp{"77,46", false},
                                           Stamp{"77,47", false}, Stamp{"77,48", true},
                                           Stamp{"173,16", true}));

TEST(Receipt, TwoCopiesWithTheAssociationTheMemberAndTheAmountInWords) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ricevuta.pdf"));
    const report::Report page =
        membership::receiptReport(paidCard("173,16"), association(), QStringLiteral("77,47"));
    QString error;
    ASSERT_TRUE(report::writePdf(report::prepare(page, QDate(2026, 9, 15)), pdf, &error))
        << error.toStdString();
    EXPECT_EQ(pdfPageCount(pdf), 1);
    const QString text = squeezeBlanks(pdfText(pdf));
    for (const char* expected :
         {"Associazione Cacciatori Val di Bisenzio", "Via del Bosco 3",
          "Codice fiscale: 92012345678", "RICEVUTA N. 17/2026", "Data: 15/09/2026", "Rossi Mario",
          "quota associativa stagione 2026/2027", "Importo: € 173,16", "centosettantatré/16 euro",
          "Pagamento: contanti", "Copia per l'associazione", "Copia per il socio",
          "Il tesoriere"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    }
    EXPECT_EQ(text.count(QStringLiteral("RICEVUTA N. 17/2026")), 2);
    EXPECT_FALSE(text.contains(QStringLiteral("ANNULLATA")));
}

TEST(Receipt, AnAnnulledOneKeepsItsNumberAndSaysSo) {
    TRecTessera card = paidCard("84,00");
    card.Stato = QStringLiteral("annullata");
    const QString texts =
        textsOf(membership::receiptReport(card, association(), QStringLiteral("77,47")));
    EXPECT_EQ(texts.count(QStringLiteral("ANNULLATA")), 2);
    EXPECT_EQ(texts.count(QStringLiteral("RICEVUTA N. 17/2026")), 2);
}

}  // namespace
