#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "lists/ListDefinitions.h"

// Checks of an archive's search table shared by the archives' tests.

// One criterion of a search window: its edit, its label and the record
// field it searches (as the command line names it).
struct CriterionRow {
    const char* control;
    const char* caption;
    const char* field;
};

// The search has exactly these criteria, in this order.
inline void expectCriteria(const SearchDefinition& search,
                           std::initializer_list<CriterionRow> rows) {
    ASSERT_EQ(search.criteria.size(), qsizetype(rows.size()));
    qsizetype i = 0;
    for (const CriterionRow& row : rows) {
        EXPECT_STREQ(search.criteria.at(i).control, row.control);
        EXPECT_STREQ(search.criteria.at(i).caption, row.caption);
        EXPECT_EQ(search.criterionName(i), QString::fromLatin1(row.field));
        ++i;
    }
}

// A double-click with the window tag `tag` loads the record into `window`.
inline void expectLoadsCard(const SearchDefinition& search, const char* tag, const char* window) {
    const PickerMode* load = search.picker(QString::fromLatin1(tag));
    ASSERT_NE(load, nullptr) << tag;
    EXPECT_STREQ(load->window, window);
    EXPECT_TRUE(load->loadsRecord);
}
