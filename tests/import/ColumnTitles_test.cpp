#include <gtest/gtest.h>

#include "app/Archives.h"
#include "import/Importer.h"

// The titles secretaries give their columns, each read as the field it
// means; the ones that could mean several fields read as none.
namespace {

const ArchiveDefinition& archiveNamed(const char* name) {
    const ArchiveDefinition* archive = archives::named(QString::fromLatin1(name));
    EXPECT_NE(archive, nullptr) << name;
    return *archive;
}

// The field's record name, or "" for none.
QString fieldName(const ArchiveDefinition& archive, qsizetype field) {
    return field == importer::kNotImported
               ? QString()
               : QString::fromLatin1(archive.layout->fields[std::size_t(field)].name);
}

struct TitleCase {
    const char* archive;
    const char* title;
    const char* field;  // "": ambiguous or unknown, left out
};

const TitleCase kTitles[] = {
    {"anagrafica", "Cognome", "Cognome"},
    {"anagrafica", "COGNOME", "Cognome"},
    {"anagrafica", "Nome", "Nome"},
    {"anagrafica", "Sesso", "Sesso"},
    {"anagrafica", "Data di nascita", "DataNasc"},
    {"anagrafica", "data nascita", "DataNasc"},
    {"anagrafica", "Nato il", "DataNasc"},
    {"anagrafica", "Nato a", "CittaNasc"},
    {"anagrafica", "Luogo di nascita", "CittaNasc"},
    {"anagrafica", "Indirizzo", "Indirizzo"},
    {"anagrafica", "CAP", "Cap"},
    {"anagrafica", "C.A.P.", "Cap"},
    {"anagrafica", "c.a.p", "Cap"},
    {"anagrafica", "Città", "ComuneRes"},
    {"anagrafica", "CITTA'", "ComuneRes"},
    {"anagrafica", "Telefono", "Recapito"},
    {"anagrafica", "Tel. fisso", "TelCasa"},
    {"anagrafica", "Cellulare", "TelCel"},
    {"anagrafica", "Cell.", "TelCel"},
    {"anagrafica", "E-mail", "Email"},
    {"anagrafica", "EMAIL", "Email"},
    {"anagrafica", "Codice fiscale", "CodFisc"},
    {"anagrafica", "Cod. fiscale", "CodFisc"},
    {"anagrafica", "C.F.", "CodFisc"},
    {"anagrafica", "N. porto d'armi", "Datore"},
    {"anagrafica", "Porto d'armi n°", "Datore"},
    {"anagrafica", "Rilasciato il", "Decorrenza"},
    {"anagrafica", "Data rilascio porto", "Decorrenza"},
    {"anagrafica", "Scade il", "Scadenza"},
    {"anagrafica", "Data iscrizione", "ScadePer"},
    {"anagrafica", "Iscritto dal", "ScadePer"},
    {"anagrafica", "Squadra", "Permesso"},
    {"anagrafica", "Quota", "Totale"},
    {"anagrafica", "Note", "Note"},
    {"anagrafica", "Annotazioni", "Note"},
    {"anagrafica", "Prov. (residenza)", "ProvRes"},
    {"anagrafica", "Prov. (nascita)", "StatoNasc"},
    {"anagrafica", "Data rilascio (documento)", "DataRil"},
    {"anagrafica", "Data rilascio (porto di fucile)", "Decorrenza"},
    // Two fields go by these: alone, neither is taken.
    {"anagrafica", "Prov.", ""},
    {"anagrafica", "Provincia", ""},
    {"anagrafica", "Data rilascio", ""},
    {"anagrafica", "Data di rilascio", ""},
    // A field's own record name is that field's alone.
    {"anagrafica", "Scadenza", "Scadenza"},
    {"anagrafica", "Nato il/a", ""},
    // Not a prefix, nor a likeness.
    {"anagrafica", "Cogn", ""},
    {"anagrafica", "Nomi", ""},
    {"anagrafica", "Data", ""},
    {"squadre", "Squadra", "Squadra"},
    {"squadre", "Caposquadra", "Caposquadra"},
    {"squadre", "Vice capo", "Vicecapo"},
    {"squadre", "A.T.C.", "ATC"},
    {"squadre", "Membri", "Cacciatori"},
    {"battute", "Data inizio", "DataInizio"},
    {"battute", "Dal", "DataInizio"},
    {"battute", "Al", "DataFine"},
    {"battute", "Quota di partecipazione", "Quota"},
    {"battute", "Carniere", "Capi"},
    {"armi", "Marca e modello", "Arma"},
    {"armi", "Matr.", "Matricola"},
    {"armi", "N. matricola", "Matricola"},
    {"armi", "Cal.", "Calibro"},
    {"armi", "Valore", "Prezzo"},
    {"comunicazioni", "Oggetto", "Oggetto"},
    {"comunicazioni", "Inviato il", "DataInvio"},
    {"comunicazioni", "Testo", "Messaggio"},
    {"scadenzario", "Socio", "Cliente"},
    {"scadenzario", "Cod. fiscale", "CodFisc"},
    {"scadenzario", "Prot.", "Protocollo"},
    {"scadenzario", "Importo", "Costo"},
    {"scadenzario", "Modalità pagamento", "Officina"},
};

class ColumnTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ColumnTitles, EachTitleReadsAsItsFieldOrAsNoneWhenAmbiguous) {
    const TitleCase& c = GetParam();
    const ArchiveDefinition& archive = archiveNamed(c.archive);
    const QList<importer::ColumnMatch> match =
        importer::matchHeader(archive, {QString::fromUtf8(c.title)});
    EXPECT_EQ(fieldName(archive, match.first().field), QString::fromLatin1(c.field)) << c.title;
}

INSTANTIATE_TEST_SUITE_P(EveryArchive, ColumnTitles, ::testing::ValuesIn(kTitles));

QList<QString> names(const ArchiveDefinition& archive, const QList<qsizetype>& columns) {
    QList<QString> fields;
    for (const qsizetype field : columns) fields.append(fieldName(archive, field));
    return fields;
}

QList<QString> names(const ArchiveDefinition& archive, const QList<importer::ColumnMatch>& m) {
    QList<qsizetype> columns;
    for (const importer::ColumnMatch& match : m) columns.append(match.field);
    return names(archive, columns);
}

// A members' sheet as secretaries title it: the province after the town of
// residence is the residence's, the issue date after the permit's number
// is the permit's.
TEST(ColumnTitlesTogether, NeighboursSettleTheTitlesOfTwoFields) {
    const ArchiveDefinition& hunters = archiveNamed("anagrafica");
    const QStringList header{"Cognome",
                             "Nome",
                             "Sesso",
                             "Data di nascita",
                             "Luogo di nascita",
                             "Prov.",
                             "Indirizzo",
                             "CAP",
                             "Città",
                             "Prov.",
                             "Telefono",
                             "Cellulare",
                             "E-mail",
                             "Codice fiscale",
                             "N. porto d'armi",
                             "Data rilascio",
                             "Scade il",
                             "Data iscrizione",
                             "Squadra",
                             "Quota",
                             "Note"};
    EXPECT_EQ(
        names(hunters, importer::matchHeader(hunters, header)),
        (QList<QString>{"Cognome",   "Nome",    "Sesso",     "DataNasc",   "CittaNasc", "StatoNasc",
                        "Indirizzo", "Cap",     "ComuneRes", "ProvRes",    "Recapito",  "TelCel",
                        "Email",     "CodFisc", "Datore",    "Decorrenza", "Scadenza",  "ScadePer",
                        "Permesso",  "Totale",  "Note"}));
    // Beside nothing that settles them, both are left out with their doubt.
    const QList<importer::ColumnMatch> alone =
        importer::matchHeader(hunters, {"Cognome", "Prov.", "Nome", "Data rilascio"});
    EXPECT_EQ(names(hunters, alone), (QList<QString>{"Cognome", "", "Nome", ""}));
    EXPECT_EQ(alone.at(1).doubt,
              QStringLiteral("il titolo può indicare «Prov. (nascita)» o «Prov. (residenza)»: "
                             "scegliere il campo."));
}

// What a column holds settles a title two fields of different values go
// by; two columns of one field leave the second out, said.
TEST(ColumnTitlesTogether, ContentSettlesAndNoFieldTakesTwoColumns) {
    const ArchiveDefinition& hunters = archiveNamed("anagrafica");
    const QStringList header{"Cognome", "Nato il/a", "Codice", "Cellulare", "Cell."};
    const QList<QStringList> dates{{"Rossi", "01/02/1970", "RSSMRA70B01H501X", "333", "334"},
                                   {"Bianchi", "1971-03-04", "BNCLGU71C04D612A", "", ""}};
    const QList<importer::ColumnMatch> byDates = importer::matchHeader(hunters, header, dates);
    EXPECT_EQ(names(hunters, byDates),
              (QList<QString>{"Cognome", "DataNasc", "CodFisc", "TelCel", ""}));
    EXPECT_EQ(byDates.at(4).doubt,
              QStringLiteral("il campo «Tel. cellulare» è già della colonna «Cellulare»: "
                             "scegliere."));
    const QList<QStringList> towns{{"Rossi", "Arezzo", "A12", "", ""},
                                   {"Bianchi", "Firenze", "B7", "", ""}};
    EXPECT_EQ(names(hunters, importer::matchHeader(hunters, header, towns)),
              (QList<QString>{"Cognome", "CittaNasc", "Civile", "TelCel", ""}));
}

// --colonne names a field by its card label, its record name or a title.
TEST(ColumnTitlesTogether, TheCommandLineNamesFieldsAsTheWindowShowsThem) {
    const ArchiveDefinition& hunters = archiveNamed("anagrafica");
    const QStringList header{"A", "B", "C", "D"};
    QList<qsizetype> columns(header.size(), importer::kNotImported);
    QString error;
    ASSERT_TRUE(importer::applyColumns(hunters, header,
                                       "A=Prov. (residenza),B=decorrenza,C=Cell.,D=Data di nascita",
                                       &columns, &error))
        << error.toStdString();
    EXPECT_EQ(names(hunters, columns),
              (QList<QString>{"ProvRes", "Decorrenza", "TelCel", "DataNasc"}));
    EXPECT_FALSE(importer::applyColumns(hunters, header, "A=Prov.", &columns, &error));
    EXPECT_EQ(error, QStringLiteral("Il campo «Prov.» può essere «Prov. (nascita)» o «Prov. "
                                    "(residenza)»: indicarlo per intero."));
    EXPECT_FALSE(importer::applyColumns(hunters, header, "A=Cognomi", &columns, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral(
        "L'archivio anagrafica non ha il campo «Cognomi». Campi validi: Cognome, Nome, ")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("Prov. (residenza)"))) << error.toStdString();
}

}  // namespace
