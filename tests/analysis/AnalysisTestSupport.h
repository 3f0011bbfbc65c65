// Helpers of the analysis tests: the default design with mid gear found, and the usual goals.
#pragma once

#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/DimChange.h"
#include "model/analysis/SettingProblem.h"

namespace zeph::test {

inline MechanismModel DefaultDesign()
{
    MechanismModel m;
    m.StartUp();
    ApplyDimChanges(m, {});
    return m;
}

inline SettingGoal Balance(SettingEvent e, NamedGear g) { return {e, ChoiceOf(g), true, 0}; }
inline SettingGoal Target(SettingEvent e, NamedGear g, double value) { return {e, ChoiceOf(g), false, value}; }

// The designer's defaults: valve rod and eccentric rod free within their default bounds,
// cut-off balanced at fwd and rev, lead balanced at fwd.
inline SettingProblem UsualProblem(const MechanismModel& m, double step)
{
    SettingProblem p;
    for (int code : {18, 6}) p.free.push_back(DefaultBounds(code, m.GetDim(code)));
    p.goals = {Balance(SettingEvent::Cutoff, NamedGear::Fwd), Balance(SettingEvent::Cutoff, NamedGear::Rev),
               Balance(SettingEvent::Lead, NamedGear::Fwd)};
    p.step = step;
    return p;
}

}  // namespace zeph::test
