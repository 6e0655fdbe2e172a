#include "windows/GuiListActions.h"

#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "base/GuiShell.h"
#include "lists/RecordListWidget.h"
#include "records/RecordFile.h"
#include "windows/CardWindow.h"
#include "windows/GuiCards.h"

namespace {

// Centres a window whenever the program shows it, then runs its own
// showing.
class ShowListWindow final : public QObject {
public:
    ShowListWindow(QWidget* window, std::function<void()> shown)
        : QObject(window), window_(window), shown_(std::move(shown)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous()) {
            centreOnScreen(window_);
            if (shown_) shown_();
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> shown_;
};

}  // namespace

bool applyChosenRecord(const PickerMode& mode, const FoundRecord& record) {
    CardWindow* card = cards::cardWindow(QString::fromLatin1(mode.window));
    if (!card) return false;
    if (mode.loadsRecord) {
        card->loadValues(record.values, record.number);
    } else {
        for (const PickerMode::Assignment& assignment : mode.assignments) {
            card->setFieldText(QString::fromLatin1(assignment.control),
                               assignment.value(record.values));
        }
        if (mode.numberControl) {
            card->setFieldText(QString::fromLatin1(mode.numberControl),
                               QString::number(record.number));
        }
    }
    return true;
}

PickerMode loadIntoCard(const char* cardWindow) {
    return {"", cardWindow, true, {}};
}

void applyChosenLine(const RecordListWidget& list, const RecordLayout& layout,
                     const QString& archive, const ItemTextFn& itemText, const PickerMode* mode) {
    const qsizetype index = list.selectedIndex();
    if (index < 0 || !mode) return;
    const auto found = recordForLine(layout, archive, list.lines().at(index), itemText);
    if (found) applyChosenRecord(*mode, *found);
}

void frameListWindow(QDialog* window, const char* name, const QString& caption, QSize size,
                     std::function<void()> shown) {
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    makeFixedDialog(window, size);
    new ShowListWindow(window, std::move(shown));
}

QHBoxLayout* addListHeading(QWidget* window, QBoxLayout* layout, const QString& title, int points,
                            const QString& instruction) {
    auto* row = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    auto* imgLogo = new QLabel(title, window);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setStyleSheet(QStringLiteral("font: bold %1pt; color: #2d5f96;").arg(points));
    texts->addWidget(imgLogo);
    if (!instruction.isEmpty()) {
        auto* icoIstruzioni = new QLabel(instruction, window);
        icoIstruzioni->setObjectName(QStringLiteral("icoIstruzioni"));
        texts->addWidget(icoIstruzioni);
    }
    row->addLayout(texts);
    row->addStretch(1);
    layout->addLayout(row);
    return row;
}

RecordListWidget* addRecordList(QDialog* window, QWidget* parent, QBoxLayout* layout,
                                const QString& printTitle, std::function<void()> chosen) {
    auto* list = new RecordListWidget(parent);
    list->setPrintTitle(printTitle);
    layout->addWidget(list, 1);
    QObject::connect(list->closeButton(), &QPushButton::clicked, window, &QDialog::reject);
    QObject::connect(list, &RecordListWidget::lineChosen, window, std::move(chosen));
    return list;
}

bool ReadOnOpen::beforeExec() {
    readByExec_ = read_();
    return readByExec_;
}

bool ReadOnOpen::onShown() {
    if (std::exchange(readByExec_, false)) return true;
    // Stopped: the window closes, empty.
    if (!read_()) QMetaObject::invokeMethod(window_, &QDialog::reject, Qt::QueuedConnection);
    return false;
}
