#include "deadlines/GuiDeadlineLists.h"

#include "deadlines/DeadlineLists.h"
#include "windows/ExportWindow.h"

namespace deadlines {
namespace {

void openList(const ExportDefinition& list, QWidget* parent, const QDate& date) {
    ExportWindow window(list, parent, {}, date);
    window.exec();
}

}  // namespace

void openDayList(QWidget* parent, const QDate& date) {
    openList(dayList(), parent, date);
}

void openMonthList(QWidget* parent, const QDate& date) {
    openList(monthList(), parent, date);
}

void openImminentList(QWidget* parent, const QDate& today) {
    openList(imminentList(), parent, today);
}

}  // namespace deadlines
