// Builds the valve-setting report from the texts the window's result tables show.
#include "ui/analysis/ValveSettingReport.h"

#include "model/design/DimensionTable.h"
#include "ui/analysis/EventTexts.h"
#include "ui/analysis/ReportColumns.h"
#include "ui/analysis/SettingResultTexts.h"

namespace zeph {

namespace {

QString FreeDimensionsFact(const SettingProblem& p, const SettingResult& r)
{
    QStringList parts;
    for (size_t i = 0; i < p.free.size(); ++i) {
        const DimensionInfo* d = FindDimension(p.free[i].code);
        parts << QStringLiteral("%1 %2 %3 -> %4 (bounds %5 .. %6)")
                     .arg(p.free[i].code)
                     .arg(d ? d->caption : "")
                     .arg(SignificantText(r.start[i]), SignificantText(r.values[i]), SignificantText(p.free[i].min),
                          SignificantText(p.free[i].max));
    }
    QString fact = QStringLiteral("Free dimensions: %1").arg(parts.join(QStringLiteral("; ")));
    if (r.cancelled) fact += QStringLiteral("; cancelled: the best point met so far");
    return fact;
}

}  // namespace

HardCopyReport ValveSettingReport(const SettingProblem& problem, const SettingResult& result, const QStringList& facts)
{
    HardCopyReport report{QStringLiteral("Valve Setting"), facts, {}, std::nullopt};
    report.facts << FreeDimensionsFact(problem, result)
                 << QStringLiteral("Residuals: balance front - rear, target mean - value; %1 degree steps")
                        .arg(problem.step);
    report.tables.push_back({QStringLiteral("Result"), SettingResultCaptions(), SettingResultRows(problem, result), 1});
    const std::vector<ReportTable> events = ColumnGroups(SettingEventCaptions(), SettingEventRows(result), 2,
                                                         {{QStringLiteral("Events: gear, valve travel and lead"), 2, 7},
                                                          {QStringLiteral("Events: front end"), 8, 11},
                                                          {QStringLiteral("Events: rear end"), 12, 15}});
    report.tables.insert(report.tables.end(), events.begin(), events.end());
    return report;
}

}  // namespace zeph
