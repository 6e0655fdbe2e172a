#include "support/EveryWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <vector>

#include "communications/TfrmComunicazioni.h"
#include "deadlines/TfrmScadenzario.h"
#include "hunters/TfrmAnagrafica.h"
#include "hunts/TfrmBattute.h"
#include "support/Fixtures.h"
#include "support/TextFit.h"
#include "teams/TfrmSquadre.h"
#include "weapons/TfrmArmi.h"

namespace {

// Every window, shown as the program shows it on the smallest screen it is
// used on, shows its texts whole.
class EveryWindowTest : public DataFolderTest, public ::testing::WithParamInterface<WindowRow> {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        owner.showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    }

    TfrmAnagrafica owner;
};

TEST_P(EveryWindowTest, ShowsEveryTextWhole) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1366, 768));
    const WindowRow& row = GetParam();
    const std::unique_ptr<QWidget> window = row.make(owner);
    if (row.maximised) {
        window->showMaximized();
    } else {
        window->show();
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    if (row.reach) row.reach(*window);
    QCoreApplication::processEvents();
    const QStringList cut = textfit::textsCutOff(window.get());
    EXPECT_TRUE(cut.isEmpty()) << qPrintable(cut.join(u'\n'));
    window->close();
}

std::string rowName(const ::testing::TestParamInfo<WindowRow>& row) {
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, EveryWindowTest, ::testing::ValuesIn(everyWindow()), rowName);

// How a field is filled to the largest value it can hold: the widest
// character of its kind, as many as the card lets the user type.
enum class Fill {
    Digits,      // "0"
    Amount,      // "9", the last three ",99": the value with its decimals
    Date,        // "00/00/0000"
    Letters,     // "W"
    WidestItem,  // the widest item of its drop-down
};

struct FieldFill {
    const char* control;
    Fill fill;
};

// A card with the fields that hold numbers, codes and dates besides those
// that take digits or amounts only (which the card's own definition names).
struct CardFill {
    std::string name;
    std::function<std::unique_ptr<CardWindow>()> make;
    std::vector<FieldFill> fields;
    // What the user does once it shows, to reach its card (null: nothing).
    std::function<void(QWidget&)> reach = nullptr;
};

void PrintTo(const CardFill& row, std::ostream* out) {
    *out << row.name;
}

template <typename Card>
std::unique_ptr<CardWindow> makeCard() {
    return std::make_unique<Card>();
}

QList<CardFill> cardFills() {
    using enum Fill;
    return {
        {"TfrmAnagrafica",
         &makeCard<TfrmAnagrafica>,
         {{"txtCodFisc", Letters},
          {"txtSesso", Letters},
          {"txtDataNasc", Date},
          {"txtStatoNasc", Letters},
          {"txtCap", Digits},
          {"txtProvRes", Letters},
          {"txtRecapito", Digits},
          {"txtTelCasa", Digits},
          {"txtTelCel", Digits},
          {"txtTelUff", Digits},
          {"txtScadePer", Date},
          {"txtIban", Letters},
          {"txtScadeCarta", Date},
          {"txtDataRil", Date},
          {"txtDataSca", Date},
          {"txtDecorrenza", Date},
          {"txtScadenza", Date}}},
        {"TfrmBattute", &makeCard<TfrmBattute>, {{"txtDataInizio", Date}, {"txtDataFine", Date}}},
        {"TfrmArmi",
         &makeCard<TfrmArmi>,
         {{"txtAnno", Digits}, {"txtCodFisc", Letters}, {"txtRecapito", Digits}}},
        {"TfrmComunicazioni", &makeCard<TfrmComunicazioni>, {{"txtDataInvio", Date}}},
        {"TfrmScadenzario",
         &makeCard<TfrmScadenzario>,
         {{"txtGiorno", WidestItem},
          {"txtMese", WidestItem},
          {"txtOreApp", WidestItem},
          {"txtMinutiApp", WidestItem},
          {"txtCodFisc", Letters},
          {"txtRecapito", Digits},
          {"txtProtocollo", Digits},
          {"txtApertura", Date},
          {"txtChiusura", Date}},
         [](QWidget& window) {
             window.findChild<QPushButton*>(QStringLiteral("btnApri"))->click();
         }},
    };
}

// The text that fills a field to the largest value the card lets it hold.
QString largestValue(QWidget* control, int limit, Fill fill) {
    switch (fill) {
        case Fill::Digits:
            return QString(limit, u'0');
        case Fill::Amount:
            return QString(limit - 3, u'9') + QStringLiteral(",99");
        case Fill::Date:
            return QStringLiteral("00/00/0000");
        case Fill::Letters:
            return QString(limit, u'W');
        case Fill::WidestItem: {
            const auto* combo = qobject_cast<const QComboBox*>(control);
            QString widest;
            for (int i = 0; combo && i < combo->count(); ++i) {
                const QString item = combo->itemText(i);
                if (combo->fontMetrics().horizontalAdvance(item) >
                    combo->fontMetrics().horizontalAdvance(widest)) {
                    widest = item;
                }
            }
            return widest;
        }
    }
    return {};
}

// The number of characters the card lets the user type into a field.
int typingLimit(const CardWindow& card, const CardField& field, QWidget* control) {
    if (field.typingLimit > 0) return field.typingLimit;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->maxLength();
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->lineEdit()->maxLength();
    }
    return card.definition().layout->fields[std::size_t(field.field.index)].capacity;
}

class CardFieldsTest : public DataFolderTest, public ::testing::WithParamInterface<CardFill> {};

// Every field that holds a number, an amount, a code or a date, filled to
// the largest value the card lets it hold, shows it whole on the smallest
// screen, and so does the rest of the card.
TEST_P(CardFieldsTest, ShowFieldsFilledToTheirLimitWhole) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1366, 768));
    const CardFill& row = GetParam();
    const std::unique_ptr<CardWindow> card = row.make();
    card->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(card.get()));
    if (row.reach) row.reach(*card);

    std::vector<FieldFill> fills = row.fields;
    const RecordLayout& layout = *card->definition().layout;
    for (const CardField& field : card->definition().fields) {
        const char* control = layout.fields[std::size_t(field.field.index)].control;
        if (field.accepts == cardfilter::digits) fills.push_back({control, Fill::Digits});
        if (field.accepts == cardfilter::amount) fills.push_back({control, Fill::Amount});
    }
    QStringList filled;
    for (const FieldFill& fill : fills) {
        const QString name = QString::fromLatin1(fill.control);
        const auto cardField = std::find_if(
            card->definition().fields.begin(), card->definition().fields.end(),
            [&](const CardField& field) {
                return name == QLatin1String(layout.fields[std::size_t(field.field.index)].control);
            });
        ASSERT_NE(cardField, card->definition().fields.end()) << fill.control;
        QWidget* control = card->control(name);
        const QString value =
            largestValue(control, typingLimit(*card, *cardField, control), fill.fill);
        card->setFieldText(name, value);
        ASSERT_EQ(card->controlText(name), value) << fill.control;
        filled.append(name + QStringLiteral(" '") + value + u'\'');
    }
    QCoreApplication::processEvents();
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    const QSize needed = card->minimumSizeHint();
    EXPECT_TRUE(needed.width() <= screen.width() && needed.height() <= screen.height())
        << "the card needs " << needed.width() << " x " << needed.height();
    const QStringList cut = textfit::textsCutOff(card.get());
    EXPECT_TRUE(cut.isEmpty()) << qPrintable(cut.join(u'\n')) << "\nwith "
                               << qPrintable(filled.join(QStringLiteral(", ")));
    card->close();
}

std::string cardName(const ::testing::TestParamInfo<CardFill>& row) {
    return row.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryCard, CardFieldsTest, ::testing::ValuesIn(cardFills()), cardName);

}  // namespace
