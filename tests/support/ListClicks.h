#pragma once

#include <QCoreApplication>
#include <QListView>
#include <QTest>

#include "lists/RecordListWidget.h"

// Double-clicks line `row` of a list window's list, as the user chooses a
// record.
inline void doubleClickLine(RecordListWidget* list, qsizetype row) {
    QListView* view = list->view();
    const QRect item = view->visualRect(view->model()->index(static_cast<int>(row), 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QCoreApplication::processEvents();
}

// The index of the first line of the list that starts with `prefix`, -1
// when none does.
inline qsizetype lineStartingWith(const RecordListWidget* list, const QString& prefix) {
    const ListLines& lines = list->lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).text.startsWith(prefix)) return i;
    }
    return -1;
}
