#include "hunters/HunterSheet.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/PdfText.h"

namespace {

using report::mm;

const QDateTime kNow(QDate(2024, 3, 7), QTime(10, 30, 5));
const QLocale kItalian(QLocale::Italian, QLocale::Italy);

// The texts of the sheet's objects by name, as prepared for printing.
QMap<QString, QString> preparedTexts(const report::Report& sheet) {
    QMap<QString, QString> texts;
    const report::PreparedReport prepared = report::prepare(sheet, kNow.date());
    for (const report::PreparedPage& page : prepared.pages) {
        for (const report::Object& object : page.objects) {
            if (const auto* text = std::get_if<report::TextObject>(&object)) {
                texts.insert(text->name, text->text);
            }
        }
    }
    return texts;
}

// The value objects: every text object but the captions, title and footnote.
QStringList valueNames(const report::Report& sheet) {
    QStringList names;
    for (const report::Object& object : sheet.pages.first().objects) {
        const auto* text = std::get_if<report::TextObject>(&object);
        if (!text || text->name.startsWith(QLatin1String("lbl")) ||
            text->name == QLatin1String("txtTitolo") || text->name == QLatin1String("txtCalce")) {
            continue;
        }
        names.append(text->name);
    }
    return names;
}

// Every row not composed of two fields shows the trimmed text of the card
// control of the same name.
TEST(HunterSheet, ShowsEachCardFieldTrimmedInTheValueOfItsName) {
    FieldValues card;
    const RecordLayout& layout = TRecCacciatore::layout();
    for (const FieldSpec& field : layout.fields) {
        card.append(QStringLiteral(" \t%1 valore ").arg(QLatin1String(field.name)));
    }
    const report::Report sheet = hunters::hunterSheet(TRecCacciatore::fromValues(card), kNow);
    const QStringList names = valueNames(sheet);
    EXPECT_EQ(names.size(), 40);
    EXPECT_EQ(names.first(), QStringLiteral("txtRichiedente"));
    EXPECT_EQ(names.last(), QStringLiteral("txtContratto"));
    const QStringList composed{QStringLiteral("txtRichiedente"), QStringLiteral("txtCittaNasc"),
                               QStringLiteral("txtComuneRes")};
    QStringList shownFields;
    for (const QString& name : names) {
        if (composed.contains(name)) continue;
        const qsizetype index = layout.indexOfControl(name);
        ASSERT_GE(index, 0) << qPrintable(name);
        EXPECT_EQ(sheet.findText(name)->text,
                  QStringLiteral("%1 valore").arg(QLatin1String(layout.fields[index].name)))
            << qPrintable(name);
        shownFields.append(name);
    }
    EXPECT_EQ(shownFields.size(), 37);
    // The attachments are not printed.
    for (const QString& name : names) EXPECT_FALSE(name.startsWith(QLatin1String("lbl")));
}

TEST(HunterSheet, ComposesNameTownsAndProvincesFromTrimmedTexts) {
    struct Case {
        const char* what;
        TRecCacciatore card;
        QString name, birthPlace, residence;
    };
    TRecCacciatore full;
    full.Cognome = QStringLiteral("  Rossi ");
    full.Nome = QStringLiteral(" Mario\t");
    full.CittaNasc = QStringLiteral(" Città di Castello ");
    full.StatoNasc = QStringLiteral("PG ");
    full.ComuneRes = QStringLiteral("Firenze  ");
    full.ProvRes = QStringLiteral(" FI");
    TRecCacciatore noProvinces = full;
    noProvinces.StatoNasc = QStringLiteral("  ");
    noProvinces.ProvRes.clear();
    TRecCacciatore surnameOnly;  // a new card, not saved, with only a surname
    surnameOnly.Cognome = QStringLiteral("Rossi");
    const Case cases[] = {
        {"every field", full, QStringLiteral("Rossi Mario"),
         QStringLiteral("Città di Castello  PG"), QStringLiteral("Firenze FI")},
        {"no provinces", noProvinces, QStringLiteral("Rossi Mario"),
         QStringLiteral("Città di Castello  "), QStringLiteral("Firenze ")},
        {"surname only", surnameOnly, QStringLiteral("Rossi "), QStringLiteral("  "),
         QStringLiteral(" ")},
    };
    for (const Case& c : cases) {
        const report::Report sheet = hunters::hunterSheet(c.card, kNow);
        const QMap<QString, QString> texts = preparedTexts(sheet);
        EXPECT_EQ(texts.value(QStringLiteral("txtRichiedente")), c.name) << c.what;
        EXPECT_EQ(texts.value(QStringLiteral("txtCittaNasc")), c.birthPlace) << c.what;
        EXPECT_EQ(texts.value(QStringLiteral("txtComuneRes")), c.residence) << c.what;
    }
    // The card with only a surname prints nothing else.
    const report::Report sheet = hunters::hunterSheet(cases[2].card, kNow);
    for (const QString& name : valueNames(sheet)) {
        if (name == QLatin1String("txtRichiedente") || name == QLatin1String("txtCittaNasc") ||
            name == QLatin1String("txtComuneRes")) {
            continue;
        }
        EXPECT_EQ(sheet.findText(name)->text, QString()) << qPrintable(name);
    }
}

TEST(HunterSheet, FootnoteGivesDateAndTimeInTheLocaleLongTimeWithoutTimeZone) {
    const struct {
        QLocale locale;
        QString expected;
    } cases[] = {
        {kItalian, QStringLiteral("Stampa eseguita in data 07/03/2024 alle ore 10:30:05")},
        {QLocale(QLocale::English, QLocale::UnitedStates),
         QStringLiteral("Stampa eseguita in data 07/03/2024 alle ore 10:30:05 AM")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hunters::sheetFootnote(kNow, c.locale), c.expected);
        EXPECT_EQ(hunters::hunterSheet(TRecCacciatore{}, kNow, c.locale)
                      .findText(QStringLiteral("txtCalce"))
                      ->text,
                  c.expected);
    }
}

TEST(HunterSheet, FitsOnOneA4PortraitPageWithRowsFiveMillimetresApart) {
    TRecCacciatore card;
    card.Ingresso =
        QStringLiteral("Ambito Territoriale di Caccia Firenze Nord, ").repeated(6).left(250);
    const report::Report sheet = hunters::hunterSheet(card, kNow);
    const report::PreparedReport prepared = report::prepare(sheet, kNow.date());
    ASSERT_EQ(prepared.pages.size(), 1);
    const report::PreparedPage& page = prepared.pages.first();
    EXPECT_EQ(page.size.id(), QPageSize::A4);
    EXPECT_EQ(page.orientation, QPageLayout::Portrait);
    const QRectF printable(mm(10), mm(10), mm(190), mm(277));
    double previousRow = -1;
    for (const report::Object& object : page.objects) {
        const auto* text = std::get_if<report::TextObject>(&object);
        if (!text) continue;
        EXPECT_TRUE(printable.contains(text->rect)) << qPrintable(text->name);
        if (!text->name.startsWith(QLatin1String("lbl"))) continue;
        if (previousRow >= 0) {
            EXPECT_NEAR(text->rect.top() - previousRow, mm(5), 1e-9);
        }
        previousRow = text->rect.top();
    }
    // The longest value is shrunk to fit its row, and none of it is lost.
    const report::TextObject* territories = nullptr;
    for (const report::Object& object : page.objects) {
        const auto* text = std::get_if<report::TextObject>(&object);
        if (text && text->name == QLatin1String("txtIngresso")) territories = text;
    }
    ASSERT_NE(territories, nullptr);
    EXPECT_LT(territories->font.pointSizeF(), 7);
    EXPECT_EQ(territories->text.split(u'\n').join(u' '), card.Ingresso.trimmed());
}

TEST(HunterSheet, WritesAPdfThatReadsBackWithTitleCaptionsValuesAndFootnote) {
    TRecCacciatore card;
    card.Cognome = QStringLiteral("Rossi");
    card.Nome = QStringLiteral("Mario");
    card.CittaNasc = QStringLiteral("Perugia");
    card.StatoNasc = QStringLiteral("PG");
    card.Totale = QStringLiteral("12,50");
    QStringList territories;
    for (int i = 1; i <= 30; ++i) territories.append(QStringLiteral("ATC%1").arg(i));
    card.Ingresso = territories.join(u' ');
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("scheda.pdf"));
    QString error;
    ASSERT_TRUE(report::writePdf(
        report::prepare(hunters::hunterSheet(card, kNow, kItalian), kNow.date()), path, &error))
        << qPrintable(error);
    EXPECT_EQ(pdfPageSizes(path), QStringList{QStringLiteral("595x842")});
    const QString text = squeezeBlanks(pdfText(path));
    for (const QString& expected :
         {QStringLiteral("SCHEDA INFORMATIVA CACCIATORE"),
          QStringLiteral("Cognome e nome: Rossi Mario"),
          QStringLiteral("Città di nascita: Perugia PG"), QStringLiteral("Importo tassa: € 12,50"),
          QStringLiteral("Questura:"),
          QStringLiteral("Stampa eseguita in data 07/03/2024 alle ore 10:30:05")}) {
        EXPECT_TRUE(text.contains(expected)) << qPrintable(expected) << "\n" << qPrintable(text);
    }
    for (const QString& territory : territories) {
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(territory))))
            << qPrintable(territory);
    }
}

// Every field filled to its capacity: each word is drawn inside the table,
// none runs over its row's frame or off the paper.
TEST(HunterSheet, DrawsTheLongestValuesWithinTheirRows) {
    FieldValues card;
    for (const FieldSpec& field : TRecCacciatore::layout().fields) {
        QString value;
        while (value.size() + 9 <= field.capacity)
            value += QStringLiteral("Wmgqjl%1 ").arg(value.size() % 100, 2, 10, QLatin1Char('0'));
        card.append(value.isEmpty() ? QString(field.capacity, u'W') : value);
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("piena.pdf"));
    ASSERT_TRUE(report::writePdf(
        report::prepare(hunters::hunterSheet(TRecCacciatore::fromValues(card), kNow), kNow.date()),
        path));
    const double toPoints = 72.0 / 25.4;
    const double tableLeft = (10 + 4) * toPoints;
    const double tableRight = (10 + 4 + 182) * toPoints;
    const double rowsTop = (10 + 12) * toPoints;
    const double rowsBottom = (10 + 12 + 40 * 5) * toPoints;
    const QList<PdfWord> words = pdfWords(path);
    ASSERT_GT(words.size(), 200);
    for (const PdfWord& word : words) {
        if (word.top < rowsTop || word.bottom > rowsBottom) continue;  // title, footnote
        EXPECT_GE(word.left, tableLeft) << qPrintable(word.text);
        EXPECT_LE(word.right, tableRight) << qPrintable(word.text);
    }
}

}  // namespace
