#include "hunters/TRecCacciatore.h"

#include <gtest/gtest.h>

#include "support/HunterBytes.h"

namespace {

TRecCacciatore validHunter() {
    TRecCacciatore h;
    h.Cognome = QStringLiteral("Rossi");
    h.Nome = QStringLiteral("Mario");
    h.Decorrenza = QStringLiteral("10/05/2024");
    h.Scadenza = QStringLiteral("10/05/2029");
    h.Preavviso = QStringLiteral("30");
    return h;
}

TEST(HunterLayout, FieldOffsetsMatchTheFile) {
    const RecordLayout& layout = TRecCacciatore::layout();
    EXPECT_EQ(layout.recordSize(), 5090);
    struct Case {
        const char* field;
        qsizetype offset;
    } cases[] = {{"Cognome", 0},      {"CodFisc", 102}, {"StatoNasc", 183}, {"ProvRes", 424},
                 {"Email", 933},      {"Iban", 1367},   {"Note", 2061},     {"Decorrenza", 3291},
                 {"Preavviso", 3313}, {"Totale", 3317}, {"File01", 3584},   {"Desc03", 4839}};
    for (const Case& c : cases) {
        EXPECT_EQ(layout.offsetOf(layout.indexOfField(QString::fromLatin1(c.field))), c.offset)
            << c.field;
    }
}

TEST(HunterLayout, EveryFieldHasTheDocumentedOffsetAndCapacity) {
    const RecordLayout& layout = TRecCacciatore::layout();
    ASSERT_EQ(layout.fields.size(), std::size(kHunterFieldBytes));
    EXPECT_EQ(layout.encoding, FieldEncoding::LengthPrefixed);
    for (const FieldBytes& documented : kHunterFieldBytes) {
        const FieldSpec& field = layout.fields[documented.field];
        EXPECT_STREQ(field.name, documented.name);
        EXPECT_EQ(layout.offsetOf(documented.field), documented.offset) << documented.name;
        EXPECT_EQ(field.capacity, documented.capacity) << documented.name;
    }
}

TEST(HunterSaveChecks, FireInOrderWithTheirMessagesAndFocus) {
    using Kind = SaveCheck::Kind;
    struct Case {
        const char* name;
        std::function<void(TRecCacciatore&)> change;
        Kind kind;
        QString message;
        QString focus;
    } cases[] = {
        {"no surname",
         [](TRecCacciatore& h) {
             h.Cognome = QStringLiteral("  ");
             h.Nome.clear();
         },
         Kind::Warning,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il cognome del "
                        "cacciatore."),
         QStringLiteral("txtCognome")},
        {"no name",
         [](TRecCacciatore& h) {
             h.Nome.clear();
             h.Decorrenza.clear();
         },
         Kind::Warning,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del "
                        "cacciatore."),
         QStringLiteral("txtNome")},
        {"short birth date", [](TRecCacciatore& h) { h.DataNasc = QStringLiteral("1/01/1980"); },
         Kind::Warning,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di "
                        "nascita nel formato gg/mm/aaaa."),
         QStringLiteral("txtDataNasc")},
        {"surname and name only",
         [](TRecCacciatore& h) {
             h.Decorrenza.clear();
             h.Scadenza.clear();
         },
         Kind::Warning,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di "
                        "rilascio del porto di fucile."),
         QStringLiteral("txtDecorrenza")},
        {"no expiry",
         [](TRecCacciatore& h) {
             h.Scadenza.clear();
             h.Preavviso.clear();
         },
         Kind::Warning,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data di "
                        "scadenza del porto di fucile."),
         QStringLiteral("txtScadenza")},
        {"issue date does not exist",
         [](TRecCacciatore& h) {
             h.Decorrenza = QStringLiteral("31/02/2024");
             h.Scadenza = QStringLiteral("x");
         },
         Kind::Plain,
         QStringLiteral("Attenzione: la data di rilascio del porto di fucile 31/02/2024 non "
                        "esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
                        "data valida nel formato gg/mm/aaaa."),
         QStringLiteral("txtDecorrenza")},
        {"expiry does not exist",
         [](TRecCacciatore& h) { h.Scadenza = QStringLiteral("00/13/2024"); }, Kind::Plain,
         QStringLiteral("Attenzione: la data di scadenza del porto di fucile 00/13/2024 non "
                        "esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
                        "data valida nel formato gg/mm/aaaa."),
         QStringLiteral("txtScadenza")},
        {"expiry before issue",
         [](TRecCacciatore& h) {
             h.Decorrenza = QStringLiteral("11/05/2024");
             h.Scadenza = QStringLiteral("10/05/2024");
             h.Preavviso.clear();
         },
         Kind::Plain,
         QStringLiteral("Attenzione: la data di scadenza del porto di fucile (10/05/2024) non può "
                        "essere anteriore a quella di rilascio (11/05/2024).\n\r\n\rPer poter "
                        "salvare la scheda è necessario indicare un intervallo di tempo valido."),
         QString()},
        {"no notice days", [](TRecCacciatore& h) { h.Preavviso = QStringLiteral(" "); },
         Kind::Warning,
         QStringLiteral("Attenzione: per salvare la scheda è necessario indicare i giorni di "
                        "preavviso."),
         QStringLiteral("txtPreavviso")},
    };
    for (const Case& c : cases) {
        TRecCacciatore hunter = validHunter();
        c.change(hunter);
        const auto failed = hunters::checkForSave(hunter);
        ASSERT_TRUE(failed.has_value()) << c.name;
        EXPECT_EQ(failed->kind, c.kind) << c.name;
        EXPECT_EQ(failed->message, c.message) << c.name;
        EXPECT_EQ(failed->focusControl, c.focus) << c.name;
    }
}

TEST(HunterSaveChecks, AcceptWhatTheCardAllows) {
    const std::function<void(TRecCacciatore&)> accepted[] = {
        [](TRecCacciatore&) {},
        [](TRecCacciatore& h) { h.Scadenza = h.Decorrenza; },  // equal dates
        [](TRecCacciatore& h) { h.DataNasc = QStringLiteral("01/01/1980"); },
        [](TRecCacciatore& h) { h.DataNasc = QStringLiteral("abcdefghij"); },  // length only
        [](TRecCacciatore& h) { h.DataNasc = QStringLiteral("   "); },
    };
    for (const auto& change : accepted) {
        TRecCacciatore hunter = validHunter();
        change(hunter);
        EXPECT_FALSE(hunters::checkForSave(hunter).has_value()) << qPrintable(hunter.DataNasc);
    }
}

TEST(HunterTaxAmount, IsFormattedWhenTheFieldIsLeft) {
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {{"7,", "7,00"},
                 {",5", "0,50"},
                 {"", "0,00"},
                 {"   ", "0,00"},
                 {"3,456", "3,46"},
                 {"12,345", "12,35"},
                 {"abc", "0,00"},
                 {"12", "12,00"},
                 {"12,5", "12,50"},
                 {"0012", "12,00"},
                 {"1,2,3", "0,00"},
                 {",", "0,00"},
                 {"0,005", "0,01"},
                 {"0,0051", "0,01"},
                 {"99,999", "100,00"},
                 {"150,00", "150,00"},
                 {"1e3", "1000,00"},
                 {"2,5E-1", "0,25"},
                 {"123456789012,34", "123456789012,34"}};
    for (const Case& c : cases) {
        EXPECT_EQ(hunters::formatTaxAmount(QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown))
            << "typed '" << c.typed << "'";
    }
}

TEST(HunterProvinces, OfferTheCodesInOrder) {
    const QStringList& list = hunters::provinces();
    ASSERT_EQ(list.size(), 112);
    EXPECT_EQ(list.first(), QStringLiteral("AG"));
    EXPECT_EQ(list.at(31), QStringLiteral("EE"));
    EXPECT_EQ(list.last(), QStringLiteral("VV"));
}

}  // namespace
