// Picks the key columns and a group's columns out of every row.
#include "ui/analysis/ReportColumns.h"

namespace zeph {

namespace {

QStringList Pick(const QStringList& cells, int keyColumns, const ColumnGroup& g)
{
    QStringList picked;
    for (int c = 0; c < cells.size(); ++c)
        if (c < keyColumns || (c >= g.first && c <= g.last)) picked << cells[c];
    return picked;
}

}  // namespace

std::vector<ReportTable> ColumnGroups(const QStringList& header, const std::vector<QStringList>& rows, int keyColumns,
                                      const std::vector<ColumnGroup>& groups)
{
    QStringList oneLine = header;
    oneLine.replaceInStrings(QStringLiteral("\n"), QStringLiteral(" "));
    std::vector<ReportTable> tables;
    for (const ColumnGroup& g : groups) {
        ReportTable t{g.caption, Pick(oneLine, keyColumns, g), {}, keyColumns};
        for (const QStringList& row : rows) t.rows.push_back(Pick(row, keyColumns, g));
        tables.push_back(std::move(t));
    }
    return tables;
}

}  // namespace zeph
