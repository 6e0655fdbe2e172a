// Long work in the list windows shows its progress, and work the user
// cancels leaves nothing half done: no partial list, no window opened on
// one, no export file written, nothing printed.

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/Archives.h"
#include "deadlines/DeadlineLists.h"
#include "export/ExportFormats.h"
#include "hunters/HunterLists.h"
#include "lists/RecordListWidget.h"
#include "support/DeadlineArchive.h"
#include "support/Fixtures.h"
#include "support/HunterArchive.h"
#include "windows/ExportWindow.h"
#include "windows/SearchWindow.h"
#include "windows/SummaryWindow.h"

namespace {

const QString kReading = QStringLiteral("Lettura dell'archivio in corso...");
const QString kSearching = QStringLiteral("Ricerca delle schede in corso...");
const QString kExporting = QStringLiteral("Esportazione in corso...");
const QString kPreparingPrint = QStringLiteral("Preparazione della stampa in corso...");

// The lines or rows a list window holds.
qsizetype itemsOf(const QWidget* window) {
    if (const auto* summary = qobject_cast<const SummaryWindow*>(window)) {
        return summary->list()->lines().size();
    }
    if (const auto* exporter = qobject_cast<const ExportWindow*>(window)) {
        return exporter->grid().rowCount();
    }
    return -1;
}

// Records every list window the program shows, with the items it holds as
// it shows, and closes it once shown.
class ShownWindows final : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }

    QList<qsizetype> items;  // one entry per window shown

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && itemsOf(dialog) >= 0) {
            items.append(itemsOf(dialog));
            QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
        }
        return false;
    }
};

class CancelledWorkTest : public DataFolderTest {
public:
    QString yearFile() const { return dataPath(QStringLiteral("2024.sca")); }

protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        ASSERT_TRUE(writeHunters(
            dataPath(QStringLiteral("Cacciatori.pro")),
            {{.surname = "Rossi", .name = "Mario", .expiry = "01/01/2024", .notice = "0"},
             {.surname = "Bianchi", .name = "Anna", .expiry = "01/02/2024", .notice = "0"}}));
        TestDeadline due = deadlineOn("07/03/2024", "09:30");
        due.hunter = "Rossi Mario";
        due.reason = "Rinnovo";
        ASSERT_TRUE(writeDeadlines(yearFile(), {due, due}));
    }

    // The files of the data folder.
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }
};

// The list windows: the hunters' permit summary and export grid, a
// summary of the deadlines' year and the deadlines of a day.
struct ListWindow {
    const char* name;
    std::function<std::unique_ptr<QDialog>(const CancelledWorkTest&)> make;
};

class CancelledList : public CancelledWorkTest, public ::testing::WithParamInterface<ListWindow> {
protected:
    std::unique_ptr<QDialog> make() const { return GetParam().make(*this); }
};

const ListWindow kListWindows[] = {
    {"PermitSummary",
     [](const CancelledWorkTest&) {
         return std::make_unique<SummaryWindow>(hunters::permitSummary());
     }},
    {"HunterExport",
     [](const CancelledWorkTest&) { return std::make_unique<ExportWindow>(hunters::exporter()); }},
    {"PaymentsToMake",
     [](const CancelledWorkTest& test) {
         return std::make_unique<SummaryWindow>(deadlines::paymentsToMake(), nullptr,
                                                test.yearFile());
     }},
    {"DayList",
     [](const CancelledWorkTest&) {
         return std::make_unique<ExportWindow>(deadlines::dayList(), nullptr, QString(),
                                               QDate(2024, 3, 7));
     }},
};

// Opened as the cards open it: cancelled, the window never shows and says
// nothing; otherwise it shows the whole list at once.
TEST_P(CancelledList, AListTheUserCancelsNeverOpens) {
    ShownWindows shown;
    progress().cancelAt(1, kReading);
    EXPECT_EQ(make()->exec(), QDialog::Rejected);
    EXPECT_TRUE(shown.items.isEmpty());
    EXPECT_EQ(progress().cancelledWork, kReading);
    EXPECT_TRUE(messages().shown.isEmpty());

    make()->exec();
    EXPECT_EQ(shown.items, QList<qsizetype>{2});
    EXPECT_EQ(progress().begun, (QStringList{kReading, kReading}));
    EXPECT_EQ(progress().ends, 2);
    EXPECT_EQ(progress().misuses, 0);
}

// Shown otherwise, a cancelled list closes at once, empty.
TEST_P(CancelledList, AListTheUserCancelsWhileItShowsClosesEmpty) {
    progress().cancelAt(1, kReading);
    const std::unique_ptr<QDialog> window = make();
    window->show();
    EXPECT_EQ(itemsOf(window.get()), 0);
    QCoreApplication::sendPostedEvents(window.get());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(progress().cancelledWork, kReading);
    EXPECT_TRUE(messages().shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Windows, CancelledList, ::testing::ValuesIn(kListWindows),
                         [](const auto& row) { return std::string(row.param.name); });

// A cancelled search leaves the window on its criteria, as before the
// search: no list, no count line; the next search lists as usual.
TEST_F(CancelledWorkTest, ACancelledSearchStaysOnItsCriteria) {
    SearchWindow window(hunters::search());
    window.show();
    auto* stack = static_cast<QStackedLayout*>(window.layout());
    auto* criteria = window.findChild<QFrame*>(QStringLiteral("panAvvio"));
    auto* count = window.findChild<QLabel*>(QStringLiteral("lblTrovate"));
    auto* search = window.findChild<QPushButton*>(QStringLiteral("btnCerca"));
    progress().cancelAt(1, kSearching);
    QTest::mouseClick(search, Qt::LeftButton);
    EXPECT_EQ(stack->currentWidget(), criteria);
    EXPECT_FALSE(window.findChild<QLabel*>(QStringLiteral("lblAttendere"))->isVisible());
    EXPECT_TRUE(window.list()->lines().isEmpty());
    EXPECT_TRUE(count->text().isEmpty());
    EXPECT_EQ(progress().cancelledWork, kSearching);
    EXPECT_TRUE(messages().shown.isEmpty());

    QTest::mouseClick(search, Qt::LeftButton);
    EXPECT_NE(stack->currentWidget(), criteria);
    EXPECT_EQ(window.list()->lines().size(), 2);
    EXPECT_FALSE(count->text().isEmpty());
    EXPECT_EQ(progress().begun, (QStringList{kSearching, kSearching}));
    EXPECT_EQ(progress().ends, 2);
}

// The export windows (a whole archive, a list of a date): a cancelled
// export leaves the earlier file as it was, with no temporary file, and
// says nothing more; a completed one replaces it.
struct ExportCase {
    const char* name;
    const ExportDefinition& (*definition)();
    QDate date;
};

class CancelledExport : public CancelledWorkTest,
                        public ::testing::WithParamInterface<ExportCase> {};

TEST_P(CancelledExport, LeavesTheEarlierFileWhole) {
    const ExportDefinition& definition = GetParam().definition();
    ExportWindow window(definition, nullptr, QString(), GetParam().date);
    window.show();
    ASSERT_EQ(window.grid().rowCount(), 2);
    writeFile(definition.fileName, "esportazione precedente");
    const QStringList before = files();
    auto* exportButton = window.findChild<QToolButton*>(QStringLiteral("cmdEsporta"));

    progress().cancelAt(1, kExporting);
    testSeams().desktop.nextFileNames = {window.filePath()};
    QTest::mouseClick(exportButton, Qt::LeftButton);
    EXPECT_EQ(progress().cancelledWork, kExporting);
    EXPECT_EQ(readFile(definition.fileName), "esportazione precedente");
    EXPECT_EQ(files(), before);
    ASSERT_EQ(messages().shown.size(), 1);  // the question before exporting, no more
    EXPECT_EQ(messages().shown.front().kind, ShownMessage::Kind::Confirm);
    EXPECT_TRUE(desktop().opened.isEmpty());

    testSeams().desktop.nextFileNames = {window.filePath()};
    QTest::mouseClick(exportButton, Qt::LeftButton);
    EXPECT_EQ(readFile(definition.fileName).count("<tr>"), 3);
    EXPECT_EQ(files(), before);
    EXPECT_EQ(desktop().opened.size(), 1);
    EXPECT_EQ(progress().begun, (QStringList{kReading, kExporting, kExporting}));
}

INSTANTIATE_TEST_SUITE_P(Windows, CancelledExport,
                         ::testing::Values(ExportCase{"HunterExport", &hunters::exporter, QDate()},
                                           ExportCase{"DayList", &deadlines::dayList,
                                                      QDate(2024, 3, 7)}),
                         [](const auto& row) { return std::string(row.param.name); });

// The same for the other formats of the export window: a cancelled export
// leaves the earlier file of that format whole and no temporary file.
struct FormatCase {
    const char* name;
    const ExportDefinition& (*definition)();
    QDate date;
    exportformat::Format format;
};

class CancelledFormatExport : public CancelledWorkTest,
                              public ::testing::WithParamInterface<FormatCase> {};

TEST_P(CancelledFormatExport, LeavesTheEarlierFileWhole) {
    registry::install(&archives::all);
    const ExportDefinition& definition = GetParam().definition();
    ExportWindow window(definition, nullptr, QString(), GetParam().date);
    window.show();
    auto* formats = window.findChild<QComboBox*>(QStringLiteral("cboFormato"));
    formats->setCurrentIndex(formats->findData(int(GetParam().format)));
    ASSERT_GT(formats->currentIndex(), 0);
    const QString name = exportformat::fileName(definition.fileName, GetParam().format);
    writeFile(name, "esportazione precedente");
    const QStringList before = files();
    auto* exportButton = window.findChild<QToolButton*>(QStringLiteral("cmdEsporta"));

    progress().cancelAt(1, kExporting);
    testSeams().desktop.nextFileNames = {window.filePath()};
    QTest::mouseClick(exportButton, Qt::LeftButton);
    EXPECT_EQ(progress().cancelledWork, kExporting);
    EXPECT_EQ(readFile(name), "esportazione precedente");
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(desktop().opened.isEmpty());

    testSeams().desktop.nextFileNames = {window.filePath()};
    QTest::mouseClick(exportButton, Qt::LeftButton);
    EXPECT_NE(readFile(name), "esportazione precedente");
    // A calendar keeps its events' versions beside the archives.
    QStringList after = before;
    if (GetParam().format == exportformat::Format::Ics) {
        after.append(QStringLiteral("CalendarioVersioni.txt"));
    }
    after.sort(Qt::CaseInsensitive);
    QStringList now = files();
    now.sort(Qt::CaseInsensitive);
    EXPECT_EQ(now, after);
    EXPECT_EQ(desktop().opened.size(), 1);
    registry::install(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, CancelledFormatExport,
    ::testing::Values(
        FormatCase{"HunterXlsx", &hunters::exporter, QDate(), exportformat::Format::Xlsx},
        FormatCase{"HunterCsv", &hunters::exporter, QDate(), exportformat::Format::Csv},
        FormatCase{"DayListCsv", &deadlines::dayList, QDate(2024, 3, 7), exportformat::Format::Csv},
        FormatCase{"DayListIcs", &deadlines::dayList, QDate(2024, 3, 7),
                   exportformat::Format::Ics}),
    [](const auto& row) { return std::string(row.param.name); });

// Printing a list: a print cancelled while its pages are prepared prints
// nothing.
TEST_F(CancelledWorkTest, APrintCancelledWhilePreparedPrintsNothing) {
    SummaryWindow window(hunters::permitSummary());
    window.show();
    ASSERT_EQ(window.list()->lines().size(), 2);
    auto* print = window.findChild<QPushButton*>(QStringLiteral("btnStampa"));
    progress().cancelAt(1, kPreparingPrint);
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(progress().cancelledWork, kPreparingPrint);
    EXPECT_TRUE(printing().jobs.isEmpty());

    QTest::mouseClick(print, Qt::LeftButton);
    ASSERT_EQ(printing().jobs.size(), 1);
    EXPECT_EQ(printing().jobs.front().pageCount, 1);
    EXPECT_EQ(progress().begun, (QStringList{kReading, kPreparingPrint, kPreparingPrint}));
}

}  // namespace
