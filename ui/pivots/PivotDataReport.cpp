// Builds the pivot data report from the table the window shows: its own lines and fields.
#include "ui/pivots/PivotDataReport.h"

namespace zeph {

namespace {

// Lines before the rows: the title, the reverse arm and step, two headings.
constexpr size_t HeadLines = 4;
constexpr size_t GearLine = 1;

QStringList Texts(const std::vector<std::string>& fields)
{
    QStringList texts;
    for (const std::string& f : fields) texts << QString::fromStdString(f);
    return texts;
}

}  // namespace

HardCopyReport PivotDataReport(const PivotDataSheet& sheet, const QStringList& facts)
{
    HardCopyReport report{QStringLiteral("Pivot Data"), facts, {}, std::nullopt};
    if (sheet.lines.size() > GearLine) report.facts << QString::fromStdString(sheet.lines[GearLine]).simplified();
    ReportTable table{QString(), Texts(PivotDataColumnNames()), {}, 1};
    for (const std::vector<std::string>& row : sheet.rows) table.rows.push_back(Texts(row));
    report.tables.push_back(std::move(table));
    // Anything after the rows is a note on the table.
    for (size_t i = HeadLines + sheet.rows.size(); i < sheet.lines.size(); ++i)
        report.facts << QString::fromStdString(sheet.lines[i]);
    return report;
}

}  // namespace zeph
