// Formats the analyses: sensitivity rows, and the setting's dimensions, goals, objective and events.
#include "tools/report/ReportAnalysisOutput.h"

#include "model/design/DimensionTable.h"
#include "tools/report/ReportOutput.h"

namespace zeph::report {

namespace {

constexpr int Decimals = 4;
constexpr int ValueDigits = 9;  // enough to give back a 32-bit float

std::string NameOf(int code)
{
    const DimensionInfo* d = FindDimension(code);
    return d ? d->caption : "";
}

std::string Figure(const std::optional<double>& v, const char* missing)
{
    return v ? Fixed(*v, Decimals) : std::string(missing);
}

Row SensitivityFields(const SensitivityRow& s, const char* missing)
{
    Row row = {std::to_string(s.code), NameOf(s.code), Fixed(s.value, Decimals), s.gear};
    for (const auto& c : s.change) row.push_back(Figure(c, missing));
    return row;
}

std::string GoalLabel(const SettingGoal& g)
{
    const std::string what = std::string(SettingEventName(g.event)) + "@" + g.gear.label;
    return g.balance ? "balance " + what : "target " + what + "=" + Significant(g.target, ValueDigits);
}

std::string Objective(const SettingEvaluation& e)
{
    return e.Feasible() ? Fixed(e.objective, Decimals) : "infeasible";
}

std::vector<Row> DimensionRows(const SettingReport& s)
{
    std::vector<Row> rows = {{"code", "name", "start", "result", "min", "max"}};
    for (size_t i = 0; i < s.problem.free.size(); ++i) {
        const FreeDimension& d = s.problem.free[i];
        rows.push_back({std::to_string(d.code), NameOf(d.code), Significant(s.result.start[i], ValueDigits),
                        Significant(s.result.values[i], ValueDigits), Significant(d.min, ValueDigits),
                        Significant(d.max, ValueDigits)});
    }
    return rows;
}

std::vector<Row> GoalRows(const SettingReport& s, bool csv)
{
    const char* missing = csv ? "" : "-";
    std::vector<Row> rows = {{"goal", "weight", csv ? "before" : "residual before", csv ? "after" : "residual after"}};
    for (size_t i = 0; i < s.problem.goals.size(); ++i) {
        const SettingGoal& g = s.problem.goals[i];
        rows.push_back({GoalLabel(g), Significant(s.problem.weights[static_cast<int>(g.event)], ValueDigits),
                        Figure(s.result.before.residuals[i], missing), Figure(s.result.after.residuals[i], missing)});
    }
    rows.push_back({"objective", "", Objective(s.result.before), Objective(s.result.after)});
    return rows;
}

// The CSV event rows of one stage, each led by the stage's name.
void AppendStage(std::vector<Row>& rows, const std::vector<GearEvents>& events, const char* stage)
{
    std::vector<Row> own = EventRows(events, true);
    for (size_t i = 1; i < own.size(); ++i) {
        own[i].insert(own[i].begin(), stage);
        rows.push_back(own[i]);
    }
}

void WriteSettingCsv(std::ostream& out, const SettingReport& s)
{
    WriteCsv(out, DimensionRows(s));
    out << '\n';
    WriteCsv(out, GoalRows(s, true));
    out << '\n';
    WriteCsv(out, {{"evaluations", "seconds", "cancelled"},
                   {std::to_string(s.result.evaluations), Fixed(s.seconds, 3), s.result.cancelled ? "1" : "0"}});
    out << '\n';
    std::vector<Row> events = {EventRows({}, true).front()};
    events.front().insert(events.front().begin(), "stage");
    AppendStage(events, s.result.before.events, "before");
    AppendStage(events, s.result.after.events, "after");
    WriteCsv(out, events);
}

}  // namespace

void WriteSensitivity(std::ostream& out, const SensitivityResult& s, double delta, double step, bool csv)
{
    if (csv) {
        std::vector<Row> rows = {{"code", "name", "value", "gear", "lead_front", "lead_rear", "front_admission",
                                  "front_cutoff", "front_release", "front_compression", "rear_admission",
                                  "rear_cutoff", "rear_release", "rear_compression"}};
        for (const SensitivityRow& r : s.rows) rows.push_back(SensitivityFields(r, ""));
        WriteCsv(out, rows);
        return;
    }
    out << "Change of the valve events per +0.01 of each dimension (the offset angle in degrees), by central "
           "difference over +-"
        << delta << ", " << step << " degree steps\n"
        << "Lead in model length units, events in percent of stroke from the end the port serves; - = not met on "
           "either side\n\n";
    std::vector<Row> rows = {
        {"", "", "", "", "lead", "lead", "front", "front", "front", "front", "rear", "rear", "rear", "rear"},
        {"code", "name", "value", "gear", "front", "rear", "admission", "cut-off", "release", "compression",
         "admission", "cut-off", "release", "compression"}};
    for (const SensitivityRow& r : s.rows) rows.push_back(SensitivityFields(r, "-"));
    WriteAligned(out, rows);
}

void WriteSetting(std::ostream& out, const SettingReport& s, bool csv)
{
    if (csv) {
        WriteSettingCsv(out, s);
        return;
    }
    out << "Valve setting of " << s.problem.free.size() << " free dimension" << (s.problem.free.size() == 1 ? "" : "s")
        << " for " << s.problem.goals.size() << " goal" << (s.problem.goals.size() == 1 ? "" : "s") << " in "
        << s.problem.step << " degree steps: " << s.result.evaluations << " evaluations in " << Fixed(s.seconds, 2)
        << " s" << (s.result.cancelled ? ", cancelled" : "") << "\n"
        << "Residuals: balance front - rear, target (front + rear) / 2 - value; lead in model length units, "
           "events in percent of stroke; objective the sum of (weight x residual)^2\n\n";
    WriteAligned(out, DimensionRows(s));
    out << '\n';
    WriteAligned(out, GoalRows(s, false));
    out << "\nEvents before\n";
    WriteAligned(out, EventRows(s.result.before.events, false));
    out << "\nEvents after\n";
    WriteAligned(out, EventRows(s.result.after.events, false));
}

}  // namespace zeph::report
