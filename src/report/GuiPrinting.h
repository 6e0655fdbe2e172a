#pragma once

#include "base/Seams.h"

// Printing of prepared reports through Qt: the preview window, from which
// the user may print, and the print dialog, in which the user chooses the
// printer, the pages and the copies.
class QtPrinting final : public Printing {
public:
    void preview(const report::PreparedReport& prepared) override;
    void print(const report::PreparedReport& prepared) override;
};
