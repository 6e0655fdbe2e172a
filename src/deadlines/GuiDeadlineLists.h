#pragma once

#include <QDate>

class QWidget;

// The lists the deadlines' start panel opens, each shown modally and
// destroyed when closed: the deadlines of the calendar's day or month (from
// that year's file), and those imminent today (this year's file and the
// following years' a notice reaches).
namespace deadlines {

void openDayList(QWidget* parent, const QDate& date);
void openMonthList(QWidget* parent, const QDate& date);
void openImminentList(QWidget* parent, const QDate& today);

}  // namespace deadlines
