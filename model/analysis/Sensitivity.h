// How much each valve event moves per +0.01 of each dimension, by central difference, codes in parallel.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/AnalysisControl.h"
#include "model/analysis/EventFigures.h"
#include "model/analysis/GearChoice.h"
#include "model/analysis/SettingProblem.h"

namespace zeph {

struct SensitivityRequest {
    std::vector<int> codes;         // dimension codes; empty: all 44 in dialog order
    std::vector<GearChoice> gears;  // empty: fwd and rev
    double delta = 0.01;            // H: the value is moved to v - H and v + H
    double step = 0.1;              // sweep step, degrees
};

// One code in one gear.
struct SensitivityRow {
    int code = 0;
    float value = 0;         // v, the design's stored value
    float minus = 0, plus = 0;  // the 32-bit values stored for v - H and v + H
    std::string gear;        // the gear's label
    // (f(v+) - f(v-)) / (v+ - v-) x 0.01 per figure; empty where the event is not met on
    // either side, where v+ and v- are the same float, or where a side has no mid gear.
    EventFigureValues change{};
    bool mechanismError = false;  // a sweep on either side could not close the linkage
    bool noMidGear = false;       // a side leaves the design without a mid gear
};

struct SensitivityResult {
    std::vector<SensitivityRow> rows;  // code by code in the order asked, the gears within each
    bool cancelled = false;            // rows then hold only the codes finished before the stop
};

// The codes asked for, or all of them.
std::vector<int> SensitivityCodes(const SensitivityRequest& r);

// Each side is computed as the events report computes `--set CODE=v±` on this design: the value
// written, mid gear found again, each gear placed from the new centre and swept. `design` is a
// model whose dimensions are set (its mid gear may or may not have been found); it is copied,
// never changed. The codes run in parallel; the result equals a serial run bit for bit.
// Progress counts finished codes.
SensitivityResult ComputeSensitivity(const MechanismModel& design, const SensitivityRequest& r,
                                     const AnalysisControl& control = {});

// How much a goal's residual moves per +0.01 of the row's dimension, for sorting the free
// dimensions by their effect on the goals: the change of front - rear for a balance, of the
// mean of the two ends for a target. Empty when either end's figure is. The row must be of
// the goal's gear; the caller matches them.
std::optional<double> GoalSensitivity(const SensitivityRow& row, const SettingGoal& goal);

}  // namespace zeph
