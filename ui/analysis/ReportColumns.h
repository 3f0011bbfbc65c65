// A table too wide for a page as several report tables, each of a range of its columns after the key columns.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/HardCopyReport.h"

namespace zeph {

// Columns first..last (inclusive) of a table, under a caption.
struct ColumnGroup {
    QString caption;
    int first = 0;
    int last = 0;
};

// One report table per group: the first `keyColumns` columns (the row's name), then the group's
// columns, every text as it stands in `header` and `rows` ("\n" in a caption becomes a space).
std::vector<ReportTable> ColumnGroups(const QStringList& header, const std::vector<QStringList>& rows, int keyColumns,
                                      const std::vector<ColumnGroup>& groups);

}  // namespace zeph
