// What every card window does alike, tried on each archive's card: the
// characters its file cannot hold, an amount saved without leaving its
// field, the focus mark of its buttons.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <memory>

#include "base/Cp1252.h"
#include "base/GuiShell.h"
#include "base/Seams.h"
#include "communications/TfrmComunicazioni.h"
#include "deadlines/TfrmScadenzario.h"
#include "hunters/TfrmAnagrafica.h"
#include "hunts/TfrmBattute.h"
#include "records/ArchiveMessages.h"
#include "records/RecordCodec.h"
#include "support/CardFixture.h"
#include "support/Fixtures.h"
#include "teams/TfrmSquadre.h"
#include "weapons/TfrmArmi.h"
#include "windows/CardWindow.h"

namespace {

// A text typed into a field, with the field's label on the card.
struct Typed {
    const char* control;
    QString text;
    const char* label;
};

struct CardRow {
    std::string name;
    std::function<std::unique_ptr<CardWindow>()> make;
    QString file;  // the record file, in the data folder
    // Sets the texts the card's checks require (and opens the year of a
    // yearly card).
    std::function<void(CardWindow&)> fillRequired;
    const char* amount = nullptr;  // the card's amount field, if it has one
    // Typed into the card before Save: texts with characters the file
    // cannot hold.
    QList<Typed> unstorable = {};
};

void PrintTo(const CardRow& row, std::ostream* out) {
    *out << row.name;
}

template <typename Card>
std::function<std::unique_ptr<CardWindow>()> make() {
    return [] { return std::make_unique<Card>(); };
}

void setTexts(CardWindow& card, std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [control, text] : texts) {
        card.setFieldText(QString::fromLatin1(control), QString::fromUtf8(text));
    }
}

QList<CardRow> cardRows() {
    return {
        {"Anagrafica",
         make<TfrmAnagrafica>(),
         QStringLiteral("Cacciatori.pro"),
         [](CardWindow& card) {
             setTexts(card, {{"txtCognome", "Rossi"},
                             {"txtNome", "Mario"},
                             {"txtDecorrenza", "01/01/2024"},
                             {"txtScadenza", "01/01/2029"}});
         },
         "txtTotale",
         {{"txtCognome", QStringLiteral("Şahin"), "Cognome:"},
          {"txtNote", QStringLiteral("Prova Ğ e ł"), "Note:"}}},
        {"Squadre",
         make<TfrmSquadre>(),
         QStringLiteral("Squadre.pro"),
         [](CardWindow& card) {
             setTexts(card, {{"txtSquadra", "Alfa"}, {"txtCaposquadra", "Rossi Mario"}});
         },
         nullptr,
         {{"txtCacciatori", QStringLiteral("Rossi\nŁukasz Ж"), "Cacciatori membri:"},
          {"txtNote", QStringLiteral("Prova Ğ e ł"), "Note:"}}},
        {"Battute",
         make<TfrmBattute>(),
         QStringLiteral("Battute.pro"),
         [](CardWindow& card) {
             setTexts(card, {{"txtTipoBattuta", "Cinghiale"},
                             {"txtDataInizio", "01/10/2024"},
                             {"txtDataFine", "02/10/2024"}});
         },
         "txtQuota",
         {{"txtCapi", QStringLiteral("2 ŻUBR"), "Capi abbattuti:"}}},
        {"Armi",
         make<TfrmArmi>(),
         QStringLiteral("Schedario_Armi.pro"),
         [](CardWindow& card) {
             setTexts(card,
                      {{"txtArma", "Beretta"}, {"txtCalibro", "12"}, {"txtProprietario", "Rossi"}});
         },
         "txtPrezzo",
         {{"txtNote", QStringLiteral("Prova Ğ e ł"), "Note:"}}},
        {"Comunicazioni",
         make<TfrmComunicazioni>(),
         QStringLiteral("Comunicazioni.pro"),
         [](CardWindow& card) {
             setTexts(card, {{"txtOggetto", "Riunione"},
                             {"txtAutore", "Il presidente"},
                             {"txtSquadra", "Alfa"},
                             {"txtEmail", "rossi@example.it"},
                             {"txtMessaggio", "Ci vediamo."}});
         },
         nullptr,
         {{"txtMessaggio", QStringLiteral("Ci vediamo. Ω"), "Messaggio:"}}},
        {"Scadenzario",
         make<TfrmScadenzario>(),
         QStringLiteral("2024.sca"),
         [](CardWindow& card) {
             card.findChild<QLineEdit*>(QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
             QTest::mouseClick(card.findChild<QPushButton*>(QStringLiteral("btnApri")),
                               Qt::LeftButton);
             setTexts(card, {{"txtGiorno", "07"},
                             {"txtMese", "Marzo"},
                             {"txtOreApp", "09"},
                             {"txtMinutiApp", "30"},
                             {"txtAvviso", "5"},
                             {"txtCliente", "Rossi Mario"},
                             {"txtDettagli", "Rinnovo"}});
         },
         "txtCosto",
         {{"txtNote", QStringLiteral("Prova Ğ e ł"), "Note:"}}},
    };
}

class EveryCardTest : public DataFolderTest, public ::testing::WithParamInterface<CardRow> {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        card = GetParam().make();
        card->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(card.get()));
        GetParam().fillRequired(*card);
        messages().take();
    }

    QWidget* field(const char* name) const { return card->control(QString::fromLatin1(name)); }
    QWidget* focusAtEnd(const char* name) { return ::focusAtEnd(field(name)); }
    // Types a text at the end of a field, its line breaks with Enter.
    void typeInto(const char* name, const QString& text) {
        QWidget* w = focusAtEnd(name);
        const QStringList lines = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) QTest::keyClick(w, Qt::Key_Return);
            typeText(w, lines.at(i));
        }
    }
    void clickSave() {
        QTest::mouseClick(card->findChild<QToolButton*>(QStringLiteral("cmdSalva")),
                          Qt::LeftButton);
    }
    // The first record of the card's file, field by field; empty when the
    // file holds none.
    FieldValues stored() const {
        const RecordLayout& layout = *card->definition().layout;
        const QByteArray bytes = readFile(GetParam().file);
        if (bytes.size() < layout.recordSize()) return {};
        return codec::decode(layout, bytes.left(layout.recordSize()));
    }
    QString storedText(const char* control) const {
        const RecordLayout& layout = *card->definition().layout;
        const FieldValues values = stored();
        for (std::size_t i = 0; i < layout.fields.size(); ++i) {
            if (QLatin1String(layout.fields[i].control) == QLatin1String(control)) {
                return codec::displayText(layout.encoding, values.value(qsizetype(i)));
            }
        }
        ADD_FAILURE() << "no field " << control;
        return {};
    }

    std::unique_ptr<CardWindow> card;
};

// The characters are named, field by field, before anything is written;
// No goes back to the first such field with its first such characters
// selected, Yes stores them as "?" and the card shows what was stored.
TEST_P(EveryCardTest, CharactersTheFileCannotHoldAreNamedBeforeSaving) {
    const CardRow& row = GetParam();
    QStringList lines;
    QStringList typedTexts;  // each field's whole text once typed into
    for (const Typed& typed : row.unstorable) {
        typeInto(typed.control, typed.text);
        typedTexts.append(card->controlText(QString::fromLatin1(typed.control)));
        ASSERT_TRUE(
            typedTexts.back().endsWith(QString(typed.text).replace(u'\n', QLatin1String("\r\n"))))
            << typed.control;
        QStringList characters;
        for (const cp1252::Unencodable& c : cp1252::unencodable(typed.text)) {
            if (!characters.contains(c.character)) characters.append(c.character);
        }
        lines.append(archivemsg::unstorableLine(QString::fromUtf8(typed.label), characters));
    }
    const QString question = archivemsg::unstorableCharacters(lines);

    messages().answers = {false};
    clickSave();
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Confirm);
    EXPECT_EQ(messages().take(), QStringList{question});
    EXPECT_TRUE(stored().isEmpty());
    const Typed& first = row.unstorable.front();
    EXPECT_EQ(QApplication::focusWidget(), field(first.control));
    // The first such character of the first field is selected.
    const QString character = cp1252::unencodable(first.text).front().character;
    if (auto* edit = qobject_cast<QLineEdit*>(field(first.control))) {
        EXPECT_EQ(edit->selectedText(), character);
        EXPECT_EQ(edit->selectionStart(), edit->text().indexOf(character));
    } else {
        auto* memo = qobject_cast<QPlainTextEdit*>(field(first.control));
        EXPECT_EQ(memo->textCursor().selectedText(), character);
        EXPECT_EQ(memo->textCursor().selectionStart(), memo->toPlainText().indexOf(character));
    }

    messages().answers = {true};
    clickSave();
    const QStringList shown = messages().take();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.front(), question);
    for (qsizetype i = 0; i < row.unstorable.size(); ++i) {
        const Typed& typed = row.unstorable.at(i);
        const QString expected = cp1252::storable(typedTexts.at(i));
        EXPECT_TRUE(expected.contains(u'?')) << typed.control;
        EXPECT_EQ(storedText(typed.control), expected) << typed.control;
        EXPECT_EQ(card->controlText(QString::fromLatin1(typed.control)), expected) << typed.control;
    }
    // Nothing left to ask about.
    clickSave();
    EXPECT_EQ(messages().take().size(), 1);
}

// Save pressed in an amount field stores the amount as the field shows it
// once left, and the card shows the same.
using AmountCardTest = EveryCardTest;

TEST_P(AmountCardTest, AnAmountSavedWithoutLeavingItsFieldIsStoredFormatted) {
    const CardRow& row = GetParam();
    card->setFieldText(QString::fromLatin1(row.amount), QString());
    typeInto(row.amount, QStringLiteral("75,5"));
    clickSave();
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().take().front().left(10), QStringLiteral("La scheda "));
    EXPECT_EQ(storedText(row.amount), QStringLiteral("75,50"));
    EXPECT_EQ(card->controlText(QString::fromLatin1(row.amount)), QStringLiteral("75,50"));
}

// Save pressed in an amount field holding no amount ("12,3,4") would store
// a zero the user never saw: it warns, naming the field and the text,
// stores nothing and gives the field back as typed. Left, the field shows
// what it takes (zero), and that is what Save then stores.
TEST_P(AmountCardTest, ATextThatIsNoAmountIsNotSavedUnseen) {
    const CardRow& row = GetParam();
    const QString amount = QString::fromLatin1(row.amount);
    QString label;
    for (const CardField& f : card->definition().fields) {
        const auto& layoutField = card->definition().layout->fields[std::size_t(f.field.index)];
        if (amount == QLatin1String(layoutField.control)) label = QString::fromUtf8(f.label);
    }
    ASSERT_FALSE(label.isEmpty());
    label = label.remove(u':').simplified();
    card->setFieldText(amount, QString());
    typeInto(row.amount, QStringLiteral("12,3,4"));
    // The message box takes the focus from the field while it shows.
    struct FocusTakingMessages final : Messages {
        void warning(const QString& text) override {
            if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
            testSeams().messages.warning(text);
        }
        void information(const QString& text) override { testSeams().messages.information(text); }
        void informationOkCancel(const QString& text) override {
            testSeams().messages.informationOkCancel(text);
        }
        void error(const QString& text) override { testSeams().messages.error(text); }
        void plain(const QString& text) override { testSeams().messages.plain(text); }
        bool confirm(const QString& text) override { return testSeams().messages.confirm(text); }
    } focusTaking;
    seams::setMessages(&focusTaking);
    clickSave();
    seams::setMessages(&testSeams().messages);
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
    EXPECT_EQ(messages().take(),
              QStringList{archivemsg::notAnAmount(label, QStringLiteral("12,3,4"))});
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), field(row.amount));
    EXPECT_EQ(card->controlText(amount), QStringLiteral("12,3,4"));

    card->control(card->definition().fields.front().field)->setFocus();
    EXPECT_EQ(card->controlText(amount), QStringLiteral("0,00"));
    clickSave();
    EXPECT_EQ(messages().take().size(), 1);
    EXPECT_EQ(storedText(row.amount), QStringLiteral("0,00"));
}

// Whether a button shows the focus mark: the frame inside its left and
// right edges.
bool showsFocusMark(QAbstractButton* button) {
    const QImage picture = button->grab().toImage();
    const auto isMark = [&](int x) {
        const QColor c = picture.pixelColor(x, picture.height() / 2);
        return qAbs(c.red() - kFocusMarkColour.red()) + qAbs(c.green() - kFocusMarkColour.green()) +
                   qAbs(c.blue() - kFocusMarkColour.blue()) <
               24;
    };
    return isMark(1) && isMark(picture.width() - 2);
}

// Every button of the card, the flat picture buttons of its toolbar too,
// shows the mark while it has the focus, and only then.
TEST_P(EveryCardTest, AFocusedButtonShowsTheFocusMark) {
    int seen = 0;
    const auto buttons = card->findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QToolButton*>(button)) continue;
        if (!button->isVisible() || button->width() < 8 || !button->isEnabled()) continue;
        button->setFocus();
        ASSERT_TRUE(button->hasFocus()) << qPrintable(button->objectName());
        EXPECT_TRUE(showsFocusMark(button)) << qPrintable(button->objectName());
        card->control(card->definition().fields.front().field)->setFocus();
        EXPECT_FALSE(showsFocusMark(button)) << qPrintable(button->objectName());
        ++seen;
    }
    EXPECT_GT(seen, 5);
}

std::string rowName(const ::testing::TestParamInfo<CardRow>& row) {
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryCard, EveryCardTest, ::testing::ValuesIn(cardRows()), rowName);

QList<CardRow> amountCardRows() {
    QList<CardRow> rows = cardRows();
    rows.removeIf([](const CardRow& row) { return !row.amount; });
    return rows;
}

INSTANTIATE_TEST_SUITE_P(EveryCardWithAnAmount, AmountCardTest,
                         ::testing::ValuesIn(amountCardRows()), rowName);

}  // namespace
