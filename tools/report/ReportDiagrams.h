// The diagram figures of the report: port events per row and steam cut-offs per list position.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/diagrams/PortEvents.h"
#include "tools/report/ReportSweep.h"

namespace zeph::report {

// One row of the port events diagram: each event in percent of stroke from the end its port
// serves, the last one met in the row; empty where it was not met.
struct PortsRow {
    int row = 0;
    float revArm = 0;
    std::array<std::optional<double>, PortEventCount> percent{};
};

struct PortsResult {
    bool reverse = false;
    std::vector<PortsRow> rows;
    bool mechanismError = false;  // some solve could not close the linkage
};

// The 19 rows of the forward or reverse graph, swept exactly as the diagram sweeps them.
PortsResult SweepPortRows(MechanismModel& m, bool reverse);

// One list position of the steam diagram and the last cut-off printed for each end.
struct SteamRow {
    Gear gear;
    std::optional<double> frontCutoff, rearCutoff;
};

struct SteamResult {
    std::vector<SteamRow> rows;
    bool mechanismError = false;
};

// Makes the gears the diagram list, entries 1..n in order (at most nine).
void UseAsDiagramList(MechanismModel& m, const std::vector<Gear>& gears);

// One continuous steam simulation through the gears in order, as the steam diagram runs it.
SteamResult RunSteamList(MechanismModel& m, const std::vector<Gear>& gears);

}  // namespace zeph::report
