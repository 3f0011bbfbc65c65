// Runs the sensitivity table and the valve setting, warns about untrusted figures, saves the set design.
#include "tools/report/ReportAnalysis.h"

#include <chrono>

#include "model/design/DesignFile.h"
#include "model/analysis/Sensitivity.h"
#include "model/analysis/ValveSetting.h"
#include "platform/Files.h"
#include "tools/report/Report.h"
#include "tools/report/ReportAnalysisArgs.h"
#include "tools/report/ReportAnalysisOutput.h"

namespace zeph::report {

namespace {

constexpr const char* Prefix = "zepharin-report: ";

int SensitivityWarnings(const SensitivityResult& s, std::ostream& err)
{
    int status = ExitOk;
    for (const SensitivityRow& row : s.rows) {
        if (row.noMidGear) {
            err << Prefix << "warning: code " << row.code << " gear " << row.gear
                << ": a changed value leaves no mid gear; its figures are left empty\n";
        } else if (row.mechanismError) {
            err << Prefix << "warning: code " << row.code << " gear " << row.gear
                << ": the linkage could not close during a turn; its figures come from a bent linkage\n";
        } else {
            continue;
        }
        status = ExitMechanismError;
    }
    return status;
}

SettingProblem ProblemOf(const MechanismModel& m, const Request& r)
{
    SettingProblem p;
    p.free = FreeDimensionsOf(m, r);
    p.goals = r.goals;
    for (int i = 0; i < SettingEventCount; ++i) p.weights[i] = r.weights[i].value_or(DefaultSettingWeights[i]);
    p.step = r.step.value_or(DefaultEventsStep);
    return p;
}

int ResultStatus(const SettingEvaluation& after, std::ostream& err)
{
    if (after.Feasible()) return ExitOk;
    err << Prefix << "warning: the result cannot be trusted: "
        << (after.noMidGear        ? "the design has no mid gear"
            : after.mechanismError ? "the linkage could not close during the turn of a goal's gear"
                                   : "an event of a goal is not met at both ends")
        << '\n';
    return ExitMechanismError;
}

// Saves the design with the result's values through the same whole-or-nothing replace as the
// simulator's save.
int WriteResultDesign(const SettingObjective& objective, const SettingResult& result, const std::string& path,
                      std::ostream& err)
{
    const std::vector<std::uint8_t> bytes = WriteDesignFile(objective.DesignWith(result.values));
    const QByteArray file(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    const auto failure = ReplaceFile(QString::fromStdString(path), file);
    if (!failure) return ExitOk;
    if (failure->replaced) {
        err << Prefix << "warning: " << Quoted(path) << " was written, but " << failure->reason.toStdString() << '\n';
        return ExitOk;
    }
    err << Prefix << "could not write the design to " << Quoted(path) << ": " << failure->reason.toStdString() << '\n';
    return ExitWriteFailed;
}

}  // namespace

int RunSensitivity(const MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    SensitivityRequest q;
    q.codes = r.codes;
    q.gears = r.gears;
    q.delta = r.delta.value_or(q.delta);
    q.step = r.step.value_or(DefaultEventsStep);
    const SensitivityResult s = ComputeSensitivity(m, q);
    WriteSensitivity(out, s, q.delta, q.step, r.csv);
    return SensitivityWarnings(s, err);
}

int RunSetting(const MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    const SettingProblem problem = ProblemOf(m, r);
    const auto started = std::chrono::steady_clock::now();
    const SettingResult result = SolveValveSetting(m, problem);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    WriteSetting(out, {problem, result, seconds}, r.csv);
    int status = ResultStatus(result.after, err);
    if (r.writeFile && WriteResultDesign(SettingObjective(m, problem), result, *r.writeFile, err) != ExitOk)
        status = ExitWriteFailed;
    return status;
}

}  // namespace zeph::report
