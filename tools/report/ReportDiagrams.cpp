// Port events rows and steam cut-offs taken from the diagrams' own computations.
#include "tools/report/ReportDiagrams.h"

#include <algorithm>

#include "model/diagrams/DiagramPositions.h"
#include "model/linkage/Solver.h"
#include "model/diagrams/SteamIndicator.h"
#include "model/linkage/ValveEvents.h"
#include "tools/report/ReportSweep.h"

namespace zeph::report {

namespace {

// Whether every solve of a turn in 4-degree steps at each of these reverse-arm positions gives
// figures that can stand, as the events and pivots reports judge their own solves. The diagrams
// only say whether a guard bent the linkage; a negative main rod, for one, bends none.
bool TurnsTrusted(MechanismModel& m, const std::vector<float>& positions)
{
    const DriveStateGuard keep(m);
    const bool error = m.MechanismError;
    bool trusted = true;
    for (const float position : positions) {
        m.RevArmPosition = position;
        for (int a = 0; a <= 90 && trusted; ++a) {
            m.DriverAngle = static_cast<float>(4 * a);
            SolveLinkage(m);
            CalcPortOpenings(m);
            trusted = SolveTrusted(m);
        }
    }
    m.MechanismError = error;
    return trusted;
}

}  // namespace

PortsResult SweepPortRows(MechanismModel& m, bool reverse)
{
    m.MechanismError = false;
    const PortEventsData data = ComputePortEvents(m, reverse ? PortGraph::Reverse : PortGraph::Forward);
    PortsResult result;
    result.reverse = reverse;
    result.mechanismError = m.MechanismError;
    std::vector<float> rowPositions;
    for (int i = 0; i < PortRows; ++i) rowPositions.push_back(data.rows[i].revArm);
    if (!TurnsTrusted(m, rowPositions)) result.mechanismError = true;
    for (int i = 0; i < PortRows; ++i) {
        PortsRow row;
        row.row = i;
        row.revArm = data.rows[i].revArm;
        for (int e = 0; e < PortEventCount; ++e) {
            const auto& pos = data.rows[i].found[e];
            if (!pos) continue;
            row.percent[e] = double(IsFrontPortEvent(PortEvent(e)) ? FrontPercent(*pos) : RearPercent(*pos));
        }
        result.rows.push_back(row);
    }
    return result;
}

void UseAsDiagramList(MechanismModel& m, const std::vector<Gear>& gears)
{
    const size_t n = std::min(gears.size(), size_t(MaxDiagramPositions));
    for (size_t k = 1; k <= size_t(MaxDiagramPositions); ++k)
        m.DiagramRevArmPos[k] = k <= n ? gears[k - 1].revArm : 0.0f;
    m.DiagramRevArmCount = int(n);
}

SteamResult RunSteamList(MechanismModel& m, const std::vector<Gear>& gears)
{
    UseAsDiagramList(m, gears);
    m.MechanismError = false;
    const SteamDiagramData data = ComputeSteamDiagram(m);
    SteamResult result;
    result.mechanismError = m.MechanismError;
    std::vector<float> positions;
    for (const Gear& g : gears) positions.push_back(g.revArm);
    if (!TurnsTrusted(m, positions)) result.mechanismError = true;
    for (size_t i = 0; i < data.runs.size(); ++i) {
        const SteamRun& run = data.runs[i];
        SteamRow row{gears[i], std::nullopt, std::nullopt};
        if (run.frontCutoff) row.frontCutoff = double(*run.frontCutoff);
        if (run.rearCutoff) row.rearCutoff = double(*run.rearCutoff);
        result.rows.push_back(row);
    }
    return result;
}

}  // namespace zeph::report
