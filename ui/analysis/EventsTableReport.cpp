// Builds the events report from the same cells the window's table shows.
#include "ui/analysis/EventsTableReport.h"

#include "ui/analysis/EventsTableCells.h"
#include "ui/analysis/ReportColumns.h"

namespace zeph {

HardCopyReport EventsTableReport(const std::vector<GearEvents>& gears, const QStringList& facts, double stepDegrees)
{
    std::vector<QStringList> rows;
    for (const GearEvents& ev : gears) rows.push_back(EventsTableCells(ev));
    HardCopyReport report{QStringLiteral("Events Table"), facts, {}, std::nullopt};
    report.facts << QStringLiteral("One turn per gear in %1 degree steps; events in percent of stroke from the end "
                                   "the port serves; F-R = front - rear.")
                        .arg(stepDegrees);
    report.tables = ColumnGroups(EventsTableCaptions(), rows, 1,
                                 {{QStringLiteral("Gears, valve travel and lead"), 1, 6},
                                  {QStringLiteral("Front end"), 7, 10},
                                  {QStringLiteral("Rear end"), 11, 14},
                                  {QStringLiteral("Front - rear"), 15, 19}});
    return report;
}

}  // namespace zeph
