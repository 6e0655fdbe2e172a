#include "windows/TfrmCalendario.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>

#include "hunters/TfrmAnagrafica.h"
#include "support/Fixtures.h"

namespace {

class DateImportTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        card.showMaximized();
    }
    QString field(const char* name) {
        return card.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    TfrmAnagrafica card;
};

TEST_F(DateImportTest, OpensOnTodayAndWritesTheChosenDayIntoTheTaggedField) {
    struct Case {
        const char* tag;
        const char* field;
    } cases[] = {{"anagrafica_scadeper", "txtScadePer"},
                 {"anagrafica_decorrenza", "txtDecorrenza"},
                 {"anagrafica_scadenza", "txtScadenza"}};
    int day = 1;
    for (const Case& c : cases) {
        TfrmCalendario dialog(&card);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Importazione data"));
        EXPECT_EQ(dialog.size(), QSize(253, 294));
        auto* calendar = dialog.findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"));
        EXPECT_EQ(calendar->selectedDate(), QDate(2024, 3, 7));
        calendar->setSelectedDate(QDate(2025, 1, day));
        dialog.setMemory(QString::fromLatin1(c.tag));
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnImportaData")),
                          Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.tag;
        EXPECT_EQ(field(c.field), QStringLiteral("%1/01/2025").arg(day, 2, 10, QChar(u'0')));
        ++day;
    }
}

TEST_F(DateImportTest, ATagWithNoFieldWritesNothingAndStaysOpen) {
    // An unknown tag, and the tag of a card that is not open.
    for (const char* tag : {"anagrafica", "battute_datainizio"}) {
        TfrmCalendario dialog(&card);
        dialog.setMemory(QString::fromLatin1(tag));
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnImportaData")),
                          Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()) << tag;
    }
    for (const char* name : {"txtScadePer", "txtDecorrenza", "txtScadenza"}) {
        EXPECT_EQ(field(name), QString()) << name;
    }
}

}  // namespace
