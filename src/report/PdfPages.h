#pragma once

#include <functional>

#include "report/Report.h"

// Writing a long document whose pages stand alone (no band flows from one
// to the next) without holding all of them: each page is laid out when it
// is drawn and dropped once drawn.
namespace report {

// The page `index` (from 0) of the document, laid out.
using PageSource = std::function<PreparedPage(qsizetype index)>;

// Writes `count` pages from `pageAt` to a PDF file, as writePdf() does
// (a temporary file renamed into place, `progress` told before each page;
// stopped, the file stays as it was).
bool writePdfPages(qsizetype count, const PageSource& pageAt, const QString& path,
                   QString* error = nullptr, const WorkProgress& progress = {});

}  // namespace report
