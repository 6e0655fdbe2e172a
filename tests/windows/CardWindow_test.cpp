#include "windows/CardWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <array>
#include <span>

#include "records/ArchiveMessages.h"
#include "support/Fixtures.h"

namespace {

// A small archive of zero-terminated fields, with the controls the other
// archives use: a memo, a check box and the attachment slots.
#define PROVA_FIELDS(F)       \
    F(Nome, 20, txtNome)      \
    F(Note, 30, txtNote)      \
    F(Segnala, 2, chkSegnala) \
    F(File01, 250, lblFile01) \
    F(File02, 250, lblFile02) \
    F(File03, 250, lblFile03) \
    F(Desc01, 250, lblDesc01) \
    F(Desc02, 250, lblDesc02) \
    F(Desc03, 250, lblDesc03)

struct TRecProva {
    SELVADORO_RECORD_FIELDS(PROVA_FIELDS)
};
using F = TRecProva::Field;

constexpr std::array kFields{PROVA_FIELDS(SELVADORO_FIELD_SPEC)};
const RecordLayout kLayout{"Prova.pro", FieldEncoding::ZeroTerminated, kFields};
constexpr int kSize = 21 + 31 + 3 + 6 * 251;
static_assert(recordSizeOf(kFields) == kSize);

const std::array kCardFields{
    CardField{.field = F::Nome, .label = "Nome:", .next = F::Note},
    CardField{.field = F::Note, .label = "Note:", .kind = CardFieldKind::Memo},
    CardField{.field = F::Segnala, .label = "Segnala", .kind = CardFieldKind::Check},
};

class TestCard : public CardWindow {
public:
    explicit TestCard(std::span<const CardField> fields = kCardFields)
        : CardWindow(CardDefinition{
              .windowName = "TfrmProva",
              .tag = "prova",
              .caption = QStringLiteral(" Prova"),
              .layout = &kLayout,
              .fields = fields,
              .readyText = QStringLiteral("Pronto per archiviare una nuova scheda..."),
              .newHint =
                  QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda."),
              .saveHint = QStringLiteral("Salva la scheda corrente in archivio."),
              .duplicateHint =
                  QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda "
                                 "duplicando i dati correnti."),
              .plainAccessErrorOnSave = true,
              .check = {}}) {
        addToolGroup({newTool(), saveTool(), duplicateTool()});
        addNavigationGroup();
        layOutColumns({{.rows = {{F::Nome}, {F::Note}, {F::Segnala}}}});
        finishLayout();
    }
};

// A record built byte by byte: each field's text, then zeros.
QByteArray record(const QByteArray& name, const QByteArray& note, const QByteArray& flag,
                  const QByteArray& file01 = {}) {
    QByteArray bytes(kSize, '\0');
    bytes.replace(0, name.size(), name);
    bytes.replace(21, note.size(), note);
    bytes.replace(52, flag.size(), flag);
    bytes.replace(55, file01.size(), file01);
    return bytes;
}

class GenericCardTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        card.showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&card));
    }
    void click(const char* name) {
        QTest::mouseClick(card.findChild<QToolButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QString position() { return card.findChild<QLabel*>(QStringLiteral("lblPosizione"))->text(); }
    QCheckBox* flag() { return card.findChild<QCheckBox*>(QStringLiteral("chkSegnala")); }

    TestCard card;
};

TEST_F(GenericCardTest, StoresTextsAsTypedFlagsAsSiOrNoAndMemoLinesWithCrLf) {
    card.findChild<QLineEdit*>(QStringLiteral("txtNome"))->setText(QStringLiteral("  Ro  "));
    card.findChild<QPlainTextEdit*>(QStringLiteral("txtNote"))
        ->setPlainText(QStringLiteral("uno\ndue"));
    flag()->setChecked(true);
    click("cmdSalva");
    EXPECT_EQ(readFile(QStringLiteral("Prova.pro")), record("  Ro  ", "uno\r\ndue", "S\xEC"));
    EXPECT_EQ(messages().take(), QStringList{archivemsg::recordInserted()});

    flag()->setChecked(false);
    click("cmdSalva");
    EXPECT_EQ(readFile(QStringLiteral("Prova.pro")), record("  Ro  ", "uno\r\ndue", "No"));
}

// A flag is ticked by "Sì" alone, blanks around it aside; any other value
// clears the box, so a card never shows the flag of the card before it.
TEST_F(GenericCardTest, AFlagIsTickedBySiAndClearedByAnythingElse) {
    struct Case {
        QByteArray stored;
        bool ticked;
    } cases[] = {
        {"S\xEC", true}, {"x", false}, {" S\xEC", true}, {"s\xEC", false},
        {"S\xEC", true}, {"", false},  {"S\xEC", true},  {"No", false},
    };
    QByteArray file;
    for (const Case& c : cases) file += record("a", "", c.stored);
    writeFile(QStringLiteral("Prova.pro"), file);
    for (const Case& c : cases) {
        click("cmdAvanti");
        EXPECT_EQ(flag()->isChecked(), c.ticked) << position().toStdString();
    }
}

TEST_F(GenericCardTest, DuplicateCopiesAStoredCardWithoutItsAttachments) {
    click("cmdDuplica");
    EXPECT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Warning);
    EXPECT_EQ(messages().take(), QStringList{archivemsg::duplicateNeedsStoredCard()});

    const QByteArray first = record("uno", "", "No");
    const QByteArray second = record("due", "nota", "S\xEC", "porto.pdf");
    const QByteArray third = record("tre", "", "No");
    writeFile(QStringLiteral("Prova.pro"), first + second + third);
    click("cmdAvanti");
    click("cmdAvanti");
    ASSERT_EQ(position(), QStringLiteral("2"));
    click("cmdDuplica");
    EXPECT_EQ(position(), QString());
    EXPECT_EQ(card.findChild<QLabel*>(QStringLiteral("lblFile01"))->text(), QString());
    EXPECT_EQ(messages().take(), QStringList{archivemsg::duplicateReady()});
    click("cmdSalva");
    EXPECT_EQ(position(), QStringLiteral("4"));
    EXPECT_EQ(readFile(QStringLiteral("Prova.pro")),
              first + second + third + record("due", "nota", "S\xEC"));
}

TEST_F(GenericCardTest, SaveFailuresOfThisArchiveArePlainMessages) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Prova.pro")));
    click("cmdSalva");
    ASSERT_EQ(messages().shown.size(), 1);
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Plain);
    EXPECT_EQ(messages().shown.front().text, archivemsg::accessError());
    EXPECT_EQ(card.findChild<QLabel*>(QStringLiteral("panInfo"))->text(),
              QStringLiteral("Pronto per archiviare una nuova scheda..."));
}

// Enter into a memo keeps its text, ready to go on writing at its end.
TEST_F(GenericCardTest, EnterIntoAMemoKeepsItsTextWithTheCursorAtItsEnd) {
    auto* memo = card.findChild<QPlainTextEdit*>(QStringLiteral("txtNote"));
    card.setFieldText(QStringLiteral("txtNote"), QStringLiteral("uno\r\ndue"));
    QWidget* name = card.control(QStringLiteral("txtNome"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), memo);
    EXPECT_FALSE(memo->textCursor().hasSelection());
    EXPECT_TRUE(memo->textCursor().atEnd());
    typeText(memo, QStringLiteral(" tre"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("uno\ndue tre"));
}

// The yellow highlight stands behind every field but the check boxes,
// unless a field's row says otherwise.
TEST_F(GenericCardTest, FocusHighlightsFollowEachFieldsOption) {
    const std::array optedFields{
        CardField{.field = F::Nome, .label = "Nome:", .highlight = false},
        CardField{.field = F::Note, .label = "Note:", .kind = CardFieldKind::Memo},
        CardField{.field = F::Segnala,
                  .label = "Segnala",
                  .kind = CardFieldKind::Check,
                  .highlight = true},
    };
    struct Case {
        const char* what;
        std::span<const CardField> fields;
        QStringList highlighted;
    } cases[] = {
        {"by kind", kCardFields, {QStringLiteral("effNome"), QStringLiteral("effNote")}},
        {"as the rows ask", optedFields, {QStringLiteral("effNote"), QStringLiteral("effSegnala")}},
    };
    for (const Case& c : cases) {
        TestCard opted(c.fields);
        QStringList names;
        for (const QFrame* frame : opted.findChildren<QFrame*>()) {
            if (frame->objectName().startsWith(QLatin1String("eff"))) {
                names.append(frame->objectName());
            }
        }
        names.sort();
        EXPECT_EQ(names, c.highlighted) << c.what;
    }
}

}  // namespace
