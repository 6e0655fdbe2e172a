#include "deadlines/DeadlineSheet.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "deadlines/TRecScadenza.h"
#include "support/PdfText.h"

namespace {

const QDateTime kNow(QDate(2024, 3, 7), QTime(10, 30, 5));

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

// What a deadline card shows, in layout order.
FieldValues card(std::initializer_list<std::pair<TRecScadenza::Field::Id, const char*>> texts) {
    TRecScadenza deadline;
    FieldValues values = deadline.toValues();
    for (const auto& [field, text] : texts) values[field] = QString::fromUtf8(text);
    return values;
}

using F = TRecScadenza::Field;

TEST(DeadlineSheet, PrintsTheTwentyFourRowsOfTheCard) {
    const FieldValues texts = card({{F::Giorno, "07"},
                                    {F::Mese, "Marzo"},
                                    {F::Anno, "2024"},
                                    {F::OreApp, "09"},
                                    {F::MinutiApp, "30"},
                                    {F::Avviso, " 10 "},
                                    {F::Cliente, "Rossi Mario"},
                                    {F::CodFisc, "RSSMRA80A01H501U"},
                                    {F::Recapito, "333 1234567"},
                                    {F::Oggetto, "Porto di fucile"},
                                    {F::Tipologia, "Rinnovo"},
                                    {F::Protocollo, "12/A"},
                                    {F::Apertura, "01/02/2024"},
                                    {F::Chiusura, "15/03/2024"},
                                    {F::Stato, "In corso"},
                                    {F::Consulente, "Bianchi"},
                                    {F::Dettagli, "Rinnovo porto"},
                                    {F::Officina, "Bonifico"},
                                    {F::Costo, "12,50"},
                                    {F::Contatto, "Ric. 5"},
                                    {F::Note, "nessuna"},
                                    {F::DaConfermare, "Sì"},
                                    {F::Effettuata, "No"}});
    const QMap<QString, QString> shown = preparedTexts(deadlines::deadlineSheet(texts, kNow));
    const std::pair<const char*, const char*> rows[] = {
        {"Data scadenza:", "07 Marzo 2024"},
        {"Ora appuntamento:", "09:30"},
        {"Giorni preavviso:", "10"},
        {"Cacciatore:", "Rossi Mario"},
        {"Codice fiscale:", "RSSMRA80A01H501U"},
        {"Telefono preferenziale:", "333 1234567"},
        {"Oggetto pratica:", "Porto di fucile"},
        {"Tipologia:", "Rinnovo"},
        {"Protocollo n.", "12/A"},
        {"Data apertura:", "01/02/2024"},
        {"Data chiusura:", "15/03/2024"},
        {"Stato avanzamento:", "In corso"},
        {"Consulente o curatore:", "Bianchi"},
        {"Causale scadenza:", "Rinnovo porto"},
        {"Modalità di pagamento:", "Bonifico"},
        {"Importo in euro:", "12,50"},
        {"Estremi ricevuta:", "Ric. 5"},
        {"Note:", "nessuna"},
        {"Appuntamento da confermare:", "Sì"},
        {"Pagamento effettuato:", "No"},
        {" ", " "},
        {" ", " "},
        {" ", " "},
        {" ", " "},
    };
    for (int i = 0; i < 24; ++i) {
        const QString number = QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0'));
        EXPECT_EQ(shown.value(QStringLiteral("titCampo") + number),
                  QString::fromUtf8(rows[i].first))
            << i + 1;
        EXPECT_EQ(shown.value(QStringLiteral("txtCampo") + number),
                  QString::fromUtf8(rows[i].second))
            << i + 1;
    }
    EXPECT_EQ(shown.value(QStringLiteral("txtTitolo")),
              QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO"));
    EXPECT_TRUE(shown.value(QStringLiteral("txtCalce"))
                    .startsWith(QStringLiteral("Stampa eseguita in data 07/03/2024 alle ore ")));
    EXPECT_EQ(shown.size(), 2 + 48);
}

// A flag prints "Sì" only for a stored "Sì"; an unsaved card with an empty
// date prints what it has.
TEST(DeadlineSheet, FlagsPrintSiOrNoAndAnEmptyDateStaysEmpty) {
    struct Case {
        const char* stored;
        const char* printed;
    } cases[] = {{"Sì", "Sì"}, {" Sì", "Sì"}, {"No", "No"}, {"", "No"}, {"sì", "No"}};
    for (const Case& c : cases) {
        const QMap<QString, QString> shown = preparedTexts(deadlines::deadlineSheet(
            card({{F::Anno, "2024"}, {F::DaConfermare, c.stored}, {F::Effettuata, c.stored}}),
            kNow));
        EXPECT_EQ(shown.value(QStringLiteral("txtCampo19")), QString::fromUtf8(c.printed));
        EXPECT_EQ(shown.value(QStringLiteral("txtCampo20")), QString::fromUtf8(c.printed));
        EXPECT_EQ(shown.value(QStringLiteral("txtCampo01")), QStringLiteral("2024"));
        EXPECT_EQ(shown.value(QStringLiteral("txtCampo02")), QStringLiteral(":"));
    }
}

TEST(DeadlineSheet, TheFormHasItsLogoLinesAndRowsOneCentimetreApart) {
    const report::Report sheet = deadlines::deadlineSheet(card({}), kNow);
    ASSERT_EQ(sheet.pages.size(), 1);
    const report::Page& page = sheet.pages.first();
    EXPECT_EQ(page.orientation, QPageLayout::Portrait);
    EXPECT_TRUE(page.size.isEquivalentTo(QPageSize(QPageSize::A4)));
    int lines = 0;
    QMap<QString, QRectF> rects;
    for (const report::Object& object : page.objects) {
        if (std::holds_alternative<report::LineObject>(object)) ++lines;
        if (const auto* text = std::get_if<report::TextObject>(&object)) {
            rects.insert(text->name, text->rect);
        }
    }
    EXPECT_EQ(lines, 2);
    const report::PictureObject* logo =
        const_cast<report::Report&>(sheet).findPicture(QStringLiteral("imgLogo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_FALSE(logo->image.isNull());
    EXPECT_NEAR(rects.value(QStringLiteral("txtCampo01")).top(), 90.7, 0.1);
    EXPECT_NEAR(rects.value(QStringLiteral("titCampo24")).top(), 960.0, 0.1);
    EXPECT_NEAR(rects.value(QStringLiteral("txtCampo02")).top() -
                    rects.value(QStringLiteral("txtCampo01")).top(),
                report::mm(10), 0.01);
    EXPECT_NEAR(rects.value(QStringLiteral("txtCampo01")).left(), report::mm(60), 0.01);
}

// The longest texts a card holds, and a text that looks like markup, read
// back from the PDF: every word printed, as typed, on one page.
TEST(DeadlineSheet, LongValuesAndMarkupArePrintedWholeOnOnePage) {
    const auto words = [](const char* stem) {
        QString text;
        for (int i = 1; text.size() < 240; ++i) {
            text += QStringLiteral("%1%2 ").arg(QLatin1String(stem)).arg(i, 2, 10, QChar(u'0'));
        }
        return text.trimmed().toStdString();
    };
    const std::string subject = words("oggetto");
    const std::string reason = words("causale");
    const std::string note = words("nota");
    const FieldValues texts = card({{F::Giorno, "07"},
                                    {F::Mese, "Marzo"},
                                    {F::Anno, "2024"},
                                    {F::Oggetto, subject.c_str()},
                                    {F::Dettagli, reason.c_str()},
                                    {F::Note, note.c_str()},
                                    {F::Cliente, "<b>Rossi</b> & <i>figli</i>"}});
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    ASSERT_TRUE(
        report::writePdf(report::prepare(deadlines::deadlineSheet(texts, kNow), kNow.date()), pdf));
    EXPECT_EQ(pdfPageCount(pdf), 1);
    const QString text = squeezeBlanks(pdfText(pdf));
    EXPECT_TRUE(text.contains(QStringLiteral("<b>Rossi</b> & <i>figli</i>"))) << qPrintable(text);
    for (const std::string& value : {subject, reason, note}) {
        for (const QString& word : QString::fromStdString(value).split(u' ')) {
            EXPECT_TRUE(text.contains(word)) << qPrintable(word);
        }
    }
}

}  // namespace
