// A report for paper: title, facts, tables and a plot laid out on A4 pages.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/HardCopy.h"

namespace zeph {

struct ReportTable {
    QString caption;
    QStringList header;
    std::vector<QStringList> rows;
    // Columns from this one on hold figures, set right-aligned.
    int firstFigureColumn = 1;
    // Set beside the table before it, both at the top, where a narrow table would leave half
    // the page empty.
    bool besidePrevious = false;
};

struct HardCopyReport {
    QString title;
    QStringList facts;  // one line each under the title: design, date, what was changed
    std::vector<ReportTable> tables;
    std::optional<HardCopy> plot;  // its first page, fitted to the text's width below the tables
};

// A4 portrait pages with 15 mm margins. A report that would run a little over one page is set
// smaller (down to 70 %) to stay on one; a longer one runs on over as many pages as it needs, a
// table row never split. The plot follows on the last page, made smaller to fit what is left
// of it down to half its size, else on a page of its own. Texts are escaped: a table cell shows exactly its string.
HardCopy ReportCopy(const HardCopyReport& report);

}  // namespace zeph
