// Port events rows and steam cut-offs taken from the diagrams' own computations.
#include "tools/report/ReportDiagrams.h"

#include <algorithm>

#include "model/DiagramPositions.h"
#include "model/SteamIndicator.h"
#include "model/ValveEvents.h"

namespace zeph::report {

PortsResult SweepPortRows(MechanismModel& m, bool reverse)
{
    m.MechanismError = false;
    const PortEventsData data = ComputePortEvents(m, reverse ? PortGraph::Reverse : PortGraph::Forward);
    PortsResult result;
    result.reverse = reverse;
    result.mechanismError = m.MechanismError;
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
