// Formats the valve-setting result: the free dimensions as 32-bit values given back exactly, the rest to four decimals.
#include "ui/analysis/SettingResultTexts.h"

#include "model/design/DimensionTable.h"
#include "ui/analysis/EventTexts.h"
#include "ui/analysis/GoalListEditor.h"

namespace zeph {

namespace {

constexpr int ValueDigits = 9;  // enough to give back a 32-bit float

QString Residual(const std::optional<double>& r) { return r ? FixedText(*r) : QStringLiteral("-"); }

QString Objective(const SettingEvaluation& e) { return e.Feasible() ? FixedText(e.objective) : QStringLiteral("infeasible"); }

}  // namespace

QStringList SettingResultCaptions() { return {QString(), QStringLiteral("before"), QStringLiteral("after")}; }

std::vector<QStringList> SettingResultRows(const SettingProblem& p, const SettingResult& r)
{
    std::vector<QStringList> rows;
    for (size_t i = 0; i < p.free.size(); ++i) {
        const DimensionInfo* d = FindDimension(p.free[i].code);
        rows.push_back({QString("%1 %2").arg(p.free[i].code).arg(d ? d->caption : ""),
                        SignificantText(r.start[i], ValueDigits), SignificantText(r.values[i], ValueDigits)});
    }
    for (size_t i = 0; i < p.goals.size(); ++i)
        rows.push_back({GoalListEditor::Label(p.goals[i]), Residual(r.before.residuals[i]), Residual(r.after.residuals[i])});
    rows.push_back({QStringLiteral("objective"), Objective(r.before), Objective(r.after)});
    rows.push_back({QStringLiteral("evaluations"), QString(), QString::number(r.evaluations)});
    return rows;
}

QStringList SettingEventCaptions()
{
    QStringList captions = EventHeader();
    captions.prepend(QStringLiteral("stage"));
    return captions;
}

std::vector<QStringList> SettingEventRows(const SettingResult& r)
{
    std::vector<QStringList> rows;
    for (const auto& [stage, events] : {std::pair{"before", &r.before.events}, std::pair{"after", &r.after.events}})
        for (const GearEvents& ev : *events) {
            QStringList cells = EventFields(ev);
            cells.prepend(QString::fromLatin1(stage));
            rows.push_back(cells);
        }
    return rows;
}

}  // namespace zeph
