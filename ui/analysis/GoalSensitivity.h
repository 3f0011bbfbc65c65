// How strongly each dimension moves the weighted goals of a valve setting, from the sensitivity of the events.
#pragma once

#include <optional>
#include <vector>

#include "model/analysis/Sensitivity.h"
#include "model/analysis/SettingProblem.h"

namespace zeph {

// The gears the goals name, each once, in the order first named.
std::vector<GearChoice> GoalGears(const std::vector<SettingGoal>& goals);

// One dimension's weighted changes of every goal's residual, and their root sum of squares
// (empty when no goal's change is known), which says how strongly it moves the objective.
struct DimensionEffect {
    int code = 0;
    std::vector<std::optional<double>> goals;
    std::optional<double> effect;
};

// One effect per code of the sensitivity, in its order; a goal reads the row of its gear and is
// weighted as the objective weights its event.
std::vector<DimensionEffect> GoalEffects(const SensitivityResult& s, const SettingProblem& p);

}  // namespace zeph
