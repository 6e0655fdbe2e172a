#include "weapons/WeaponLists.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "lists/RecordList.h"
#include "lists/Spreadsheet.h"
#include "support/SearchChecks.h"
#include "support/WeaponArchive.h"

namespace {

// The line of a weapon, written out piece by piece: make 34, calibre 10,
// serial number 24, owner 28, year 10, then the whole value.
QString weaponLine(const QString& make, const QString& calibre, const QString& serial,
                   const QString& owner, const QString& year, const QString& value) {
    return make.leftJustified(34, u' ', true) + QStringLiteral("  Cal. ") +
           calibre.leftJustified(10, u' ', true) + QStringLiteral("  Matr. ") +
           serial.leftJustified(24, u' ', true) + QStringLiteral("  ") +
           owner.leftJustified(28, u' ', true) + QStringLiteral("  Anno: ") +
           year.leftJustified(10, u' ', true) + QStringLiteral("  Valore: € ") + value;
}

// The serial number of the second weapon fills its 50 bytes, and its
// length byte says more than that.
const QByteArray kLongSerial = QByteArray("BN-") + QByteArray(47, '7');

// "Schedario_Armi.pro" as another program may have left it, byte by byte:
// accents, the euro sign, "<" and "&", length bytes above their capacity,
// sale flags that are neither "Sì" nor "No", and a few stray bytes after
// the last whole record.
QByteArray storedArchive() {
    WeaponBytes beretta;
    beretta.set(WeaponBytes::Arma, "Beretta 686 Silver Pigeon I")
        .set(WeaponBytes::Accessori, "custodia rigida")
        .set(WeaponBytes::Calibro, "12")
        .set(WeaponBytes::Anno, "2015")
        .set(WeaponBytes::Matricola, " A12345 ")
        .set(WeaponBytes::Peso, "3,2")
        .set(WeaponBytes::Componenti, "canne, bascula")
        .set(WeaponBytes::Dimensioni, "71 cm")
        .set(WeaponBytes::Munizioni, "cartucce 12/70")
        .set(WeaponBytes::Luogo, "Armadio blindato, citt\xE0")
        .set(WeaponBytes::Proprietario, "Rossi Mario")
        .set(WeaponBytes::CodFisc, "RSSMRA80A01H501U")
        .set(WeaponBytes::Recapito, "333 1234567")
        .set(WeaponBytes::Note, "canne <76> & strozzatori")
        .set(WeaponBytes::Prezzo, "1250,50")
        .set(WeaponBytes::InVendita, "S\xEC")
        .set(WeaponBytes::File01, "/home/porto.pdf");

    // As a new card saves it: value never changed, not for sale.
    WeaponBytes benelli;
    benelli.set(WeaponBytes::Arma, "  benelli Raffaello ")
        .set(WeaponBytes::Calibro, "20")
        .set(WeaponBytes::Anno, "1998")
        .set(WeaponBytes::Matricola, kLongSerial)
        .set(WeaponBytes::Peso, "2,9")
        .set(WeaponBytes::Proprietario, "Bianchi Luca")
        .set(WeaponBytes::Prezzo, "0,00")
        .set(WeaponBytes::InVendita, "No");
    benelli.bytes[404] = char(255);  // Matricola holds 50 bytes at most

    WeaponBytes franchi;
    franchi.set(WeaponBytes::Arma, "Franchi Affinity")
        .set(WeaponBytes::Calibro, "12")
        .set(WeaponBytes::Proprietario, "Verdi Anna")
        .set(WeaponBytes::Prezzo, "800,00")
        .set(WeaponBytes::InVendita, "S");

    WeaponBytes sauer;
    sauer.set(WeaponBytes::Arma, "Sauer 303 Elegance")
        .set(WeaponBytes::Calibro, "9,3x62")
        .set(WeaponBytes::Proprietario, "Neri Ugo")
        .set(WeaponBytes::Prezzo, "3500,00")
        .set(WeaponBytes::InVendita, "S\xEC");
    sauer.bytes[1876] = char(200);  // InVendita holds 2 bytes at most

    WeaponBytes browning;
    browning.set(WeaponBytes::Arma, "Browning B525 \x80 Edition")
        .set(WeaponBytes::Calibro, "12")
        .set(WeaponBytes::Munizioni, "cartucce 12/76")
        .set(WeaponBytes::Proprietario, "Nicol\xF2 Sara")
        .set(WeaponBytes::Prezzo, "2100,00")
        .set(WeaponBytes::InVendita, "s\xEC");

    return beretta.bytes + benelli.bytes + franchi.bytes + sauer.bytes + browning.bytes +
           QByteArray("\x05stray", 6);
}

class WeaponListsTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("Schedario_Armi.pro")); }
    void storeBytes(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QList<qsizetype> records(const ListResult& result) {
        QList<qsizetype> numbers;
        for (const ListLine& line : result.lines) numbers.append(line.record);
        return numbers;
    }
    static QStringList texts(const ListResult& result) {
        QStringList all;
        for (const ListLine& line : result.lines) all.append(line.text);
        return all;
    }
    ListResult search(const QStringList& texts) const {
        return weapons::search().run(path(), texts);
    }
    QTemporaryDir dir;
};

TEST_F(WeaponListsTest, TheSearchWindowHasItsCaptionCriteriaHighlightsAndCardTag) {
    const SearchDefinition& s = weapons::search();
    EXPECT_STREQ(s.windowName, "TfrmTrovaArmi");
    EXPECT_EQ(s.caption, QStringLiteral(" Trova armi in schedario"));
    EXPECT_EQ(s.printTitle, QStringLiteral("Riepilogo armi in schedario"));
    expectCriteria(s, {
                          {"txtArma", "Arma (marca e modello):", "Arma"},
                          {"txtAccessori", "Accessori:", "Accessori"},
                          {"txtCalibro", "Calibro:", "Calibro"},
                          {"txtAnno", "Anno:", "Anno"},
                          {"txtMatricola", "Matricola n.", "Matricola"},
                          {"txtMunizioni", "Munizioni e serbatoi:", "Munizioni"},
                          {"txtProprietario", "Proprietario:", "Proprietario"},
                          {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                          {"txtLuogo", "Luogo conservazione:", "Luogo"},
                          {"txtNote", "Note:", "Note"},
                      });
    const char* highlights[] = {"effCampo01", "effCampo02", "effCampo09", "effCampo10",
                                "effCampo05", "effCampo06", "effCampo07", "effCampo08",
                                "effCampo03", "effCampo04"};
    for (qsizetype i = 0; i < s.criteria.size(); ++i) {
        EXPECT_EQ(s.criteria.at(i).highlightName(), QString::fromLatin1(highlights[i]))
            << s.criteria.at(i).control;
    }
    expectLoadsCard(s, "armi", "TfrmArmi");
    EXPECT_EQ(s.picker(QStringLiteral("anagrafica")), nullptr);
}

// The whole archive, every record listed, sorted by make and model with
// letter case ignored; a length byte above its field's capacity reads the
// capacity, and the stray bytes after the last record are no record.
TEST_F(WeaponListsTest, TheSearchListsEveryStoredWeaponInItsLineByMakeIgnoringCase) {
    storeBytes(storedArchive());
    const ListResult result = search({});
    ASSERT_TRUE(result.ok) << qPrintable(result.error);
    EXPECT_EQ(records(result), (QList<qsizetype>{2, 1, 5, 3, 4}));
    // The first line in full: each piece padded, the value whole.
    EXPECT_EQ(result.lines.at(1).text, QStringLiteral("Beretta 686 Silver Pigeon I       "
                                                      "  Cal. 12        "
                                                      "  Matr. A12345                  "
                                                      "  Rossi Mario                 "
                                                      "  Anno: 2015      "
                                                      "  Valore: € 1250,50"));
    EXPECT_EQ(
        texts(result),
        (QStringList{
            weaponLine(QStringLiteral("benelli Raffaello"), QStringLiteral("20"),
                       QString::fromLatin1(kLongSerial.left(24)), QStringLiteral("Bianchi Luca"),
                       QStringLiteral("1998"), QStringLiteral("0,00")),
            result.lines.at(1).text,
            weaponLine(QStringLiteral("Browning B525 € Edition"), QStringLiteral("12"), QString(),
                       QStringLiteral("Nicolò Sara"), QString(), QStringLiteral("2100,00")),
            weaponLine(QStringLiteral("Franchi Affinity"), QStringLiteral("12"), QString(),
                       QStringLiteral("Verdi Anna"), QString(), QStringLiteral("800,00")),
            weaponLine(QStringLiteral("Sauer 303 Elegance"), QStringLiteral("9,3x62"), QString(),
                       QStringLiteral("Neri Ugo"), QString(), QStringLiteral("3500,00")),
        }));
}

// Each criterion looks in its own field, as a part of it and without
// regard to letter case; the criteria in use must all occur. A criterion
// of blanks only is not in use: it neither excludes a record nor stands in
// for a criterion that does not occur. Blanks around a word are searched.
TEST_F(WeaponListsTest, TheSearchListsTheWeaponsMatchingEveryCriterionInUse) {
    storeBytes(storedArchive());
    const auto with = [](std::initializer_list<std::pair<int, const char*>> criteria) {
        QStringList texts(10);
        for (const auto& [criterion, text] : criteria) texts[criterion] = QString::fromUtf8(text);
        return texts;
    };
    enum {
        Arma,
        Accessori,
        Calibro,
        Anno,
        Matricola,
        Munizioni,
        Proprietario,
        CodFisc,
        Luogo,
        Note
    };
    struct Case {
        QStringList criteria;
        QList<qsizetype> found;
    } cases[] = {
        {with({}), {2, 1, 5, 3, 4}},
        {with({{Arma, "BERETTA"}}), {1}},
        {with({{Arma, "€ edi"}}), {5}},
        {with({{Accessori, "rigida"}}), {1}},
        {with({{Calibro, "12"}}), {1, 5, 3}},
        {with({{Anno, "199"}}), {2}},
        {with({{Matricola, "bn-777"}}), {2}},
        {with({{Matricola, QByteArray(48, '7').constData()}}), {}},  // 47 sevens are stored
        {with({{Matricola, "2,9"}}), {}},  // the weight that follows is not read with it
        {with({{Munizioni, "12/7"}}), {1, 5}},
        {with({{Proprietario, "NICOLÒ"}}), {5}},
        {with({{CodFisc, "rssmra"}}), {1}},
        {with({{Luogo, "CITTÀ"}}), {1}},
        {with({{Note, "<76> &"}}), {1}},
        {with({{Arma, "b"}, {Proprietario, "rossi"}}), {1}},
        {with({{Arma, "benelli"}, {Proprietario, "rossi"}}), {}},
        {with({{Calibro, "12"}, {Munizioni, "12/76"}}), {5}},
        {with({{Arma, "franchi"}, {Note, "   "}}), {3}},
        {with({{Arma, "zzz"}, {Note, " "}}), {}},
        {with({{Note, "  "}, {Luogo, " "}}), {2, 1, 5, 3, 4}},
        {with({{Proprietario, "rossi mario "}}), {}},
        {with({{Proprietario, " mario"}}), {1}},
    };
    for (const Case& c : cases) {
        const ListResult result = search(c.criteria);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(records(result), c.found) << qPrintable(c.criteria.join(u'|'));
    }
}

TEST(WeaponForSale, IsTheYesFlagAloneWhateverTheValueOrDate) {
    struct Case {
        const char* flag;
        bool listed;
    } cases[] = {
        {"Sì", true},  {" Sì ", true}, {"No", false}, {"sì", false},
        {"SI", false}, {"S", false},   {"", false},   {"Sì!", false},
    };
    for (const Case& c : cases) {
        FieldValues values(22);
        values[14] = QStringLiteral("0,00");  // Prezzo: no part in it
        values[15] = QString::fromUtf8(c.flag);
        EXPECT_EQ(weapons::forSaleCondition(values, QDate(2024, 3, 7)), c.listed) << c.flag;
        EXPECT_EQ(weapons::forSaleCondition(values, QDate()), c.listed) << c.flag;
    }
}

// Of the stored flags only "Sì" lists a weapon, also when its length byte
// says more than the field holds.
TEST_F(WeaponListsTest, TheForSaleSummaryListsTheWeaponsFlaggedYes) {
    const SummaryDefinition& summary = weapons::forSaleSummary();
    EXPECT_STREQ(summary.windowName, "TfrmArmi_Disponibili");
    EXPECT_STREQ(summary.commandName, "armi-in-vendita");
    EXPECT_EQ(summary.caption, QStringLiteral(" Riepilogo armi in vendita"));
    EXPECT_EQ(summary.printTitle, QStringLiteral("Riepilogo armi in vendita"));
    EXPECT_STREQ(summary.cardWindow, "TfrmArmi");

    storeBytes(storedArchive());
    const ListResult result = summary.build(path(), QDate(2024, 3, 7));
    ASSERT_TRUE(result.ok) << qPrintable(result.error);
    EXPECT_EQ(records(result), (QList<qsizetype>{1, 4}));
    EXPECT_EQ(texts(result), (QStringList{search({}).lines.at(1).text,
                                          weaponLine(QStringLiteral("Sauer 303 Elegance"),
                                                     QStringLiteral("9,3x62"), QString(),
                                                     QStringLiteral("Neri Ugo"), QString(),
                                                     QStringLiteral("3500,00"))}));
    EXPECT_EQ(records(summary.build(path(), QDate(1990, 1, 1))), (QList<qsizetype>{1, 4}));

    ASSERT_TRUE(writeWeapons(path(), {}));
    const ListResult empty = summary.build(path(), QDate(2024, 3, 7));
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.lines.isEmpty());
}

// A make and model cut at 34 characters gives two weapons the same line:
// each line still stands for its own record.
TEST_F(WeaponListsTest, IdenticalLinesOpenEachItsOwnRecord) {
    ASSERT_TRUE(writeWeapons(path(), {{.make = "Beretta 686 Silver Pigeon I Sporting Plus",
                                       .calibre = "12",
                                       .serial = "X1",
                                       .owner = "Rossi Mario",
                                       .note = "prima",
                                       .value = "100,00",
                                       .forSale = "S\xEC"},
                                      {.make = "Beretta 686 Silver Pigeon I Sporting Extra",
                                       .calibre = "12",
                                       .serial = "X1",
                                       .owner = "Rossi Mario",
                                       .note = "seconda",
                                       .value = "100,00",
                                       .forSale = "S\xEC"}}));
    const QString shared = weaponLine(
        QStringLiteral("Beretta 686 Silver Pigeon I Sporti"), QStringLiteral("12"),
        QStringLiteral("X1"), QStringLiteral("Rossi Mario"), QString(), QStringLiteral("100,00"));
    const ListResult found = search({});
    const ListResult forSale = weapons::forSaleSummary().build(path(), QDate(2024, 3, 7));
    for (const ListResult* list : {&found, &forSale}) {
        ASSERT_EQ(list->lines.size(), 2);
        EXPECT_EQ(texts(*list), (QStringList{shared, shared}));
        EXPECT_EQ(records(*list), (QList<qsizetype>{1, 2}));
        for (const ListLine& line : list->lines) {
            const auto record =
                recordForLine(*weapons::search().layout, path(), line, weapons::search().itemText);
            ASSERT_TRUE(record.has_value());
            EXPECT_EQ(record->number, line.record);
            EXPECT_EQ(record->values.value(13), line.record == 1 ? u"prima" : u"seconda");
        }
    }
}

TEST_F(WeaponListsTest, TheExportHasSixteenColumnsOfTrimmedTextsInFileOrder) {
    const ExportDefinition& e = weapons::exporter();
    EXPECT_STREQ(e.windowName, "TfrmExpArmi");
    EXPECT_EQ(e.caption, QStringLiteral(" Esporta schedario armi in Microsoft Excel"));
    EXPECT_EQ(e.fileName, QStringLiteral("Schedario_Armi.xls"));
    EXPECT_EQ(e.sheetName, QStringLiteral("Schedario Armi"));
    ASSERT_NE(e.guide, nullptr);
    EXPECT_EQ(e.guide->key, QStringLiteral("esporta-armi"));
    struct Column {
        const char* name;
        const char* header;
        int grid;
        int file;
    } columns[] = {
        {"colArma", "Marca e modello", 250, 250},
        {"colAccessori", "Accessori", 300, 400},
        {"colCalibro", "Calibro", 150, 200},
        {"colAnno", "Anno", 120, 200},
        {"colMatricola", "Matricola n.", 200, 250},
        {"colPeso", "Peso in kg", 200, 250},
        {"colComponenti", "Componenti", 300, 400},
        {"colDimensioni", "Dimensioni", 250, 300},
        {"colMunizioni", "Munizioni e serbatoi", 250, 300},
        {"colLuogo", "Luogo conservazione", 250, 250},
        {"colProprietario", "Proprietario", 250, 250},
        {"colCodFisc", "Codice fiscale", 180, 250},
        {"colRecapito", "Tel. preferenziale", 180, 250},
        {"colNote", "Note", 350, 400},
        {"colValore", "Valore", 150, 200},
        {"colVenduta", "In vendita", 120, 180},
    };
    ASSERT_EQ(e.columns.size(), qsizetype(std::size(columns)));
    for (qsizetype i = 0; i < e.columns.size(); ++i) {
        EXPECT_STREQ(e.columns.at(i).name, columns[i].name);
        EXPECT_EQ(e.columns.at(i).header, QString::fromUtf8(columns[i].header));
        EXPECT_EQ(e.columns.at(i).gridWidth, columns[i].grid) << columns[i].header;
        EXPECT_EQ(e.columns.at(i).exportWidth, columns[i].file) << columns[i].header;
    }

    // The attachments are not exported; the stray bytes are no row.
    storeBytes(storedArchive());
    ExportGridModel grid(e.columns);
    ASSERT_TRUE(grid.fill(*e.layout, path()));
    ASSERT_EQ(grid.rows().size(), 5);
    EXPECT_EQ(grid.rows().at(0),
              (QStringList{"Beretta 686 Silver Pigeon I", "custodia rigida", "12", "2015", "A12345",
                           "3,2", "canne, bascula", "71 cm", "cartucce 12/70",
                           "Armadio blindato, città", "Rossi Mario", "RSSMRA80A01H501U",
                           "333 1234567", "canne <76> & strozzatori", "1250,50", "Sì"}));
    // A weapon saved as a new card: "0,00" and "No".
    EXPECT_EQ(grid.rows().at(1),
              (QStringList{"benelli Raffaello", "", "20", "1998", QString::fromLatin1(kLongSerial),
                           "2,9", "", "", "", "", "Bianchi Luca", "", "", "", "0,00", "No"}));
    QStringList values;
    QStringList flags;
    for (const QStringList& row : grid.rows()) {
        values.append(row.at(14));
        flags.append(row.at(15));
    }
    EXPECT_EQ(values, (QStringList{"1250,50", "0,00", "800,00", "3500,00", "2100,00"}));
    EXPECT_EQ(flags, (QStringList{"Sì", "No", "S", "Sì", "sì"}));
    EXPECT_EQ(grid.rows().at(4).at(0), QStringLiteral("Browning B525 € Edition"));
    EXPECT_EQ(grid.rows().at(4).at(10), QStringLiteral("Nicolò Sara"));
}

}  // namespace
