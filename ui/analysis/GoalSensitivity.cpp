// Goal effects from the event sensitivity: each goal weighted, per dimension, and their root sum of squares.
#include "ui/analysis/GoalSensitivity.h"

#include <cmath>

namespace zeph {


std::vector<GearChoice> GoalGears(const std::vector<SettingGoal>& goals)
{
    std::vector<GearChoice> gears;
    for (const SettingGoal& g : goals) {
        bool known = false;
        for (const GearChoice& c : gears) known = known || c.label == g.gear.label;
        if (!known) gears.push_back(g.gear);
    }
    return gears;
}

std::vector<DimensionEffect> GoalEffects(const SensitivityResult& s, const SettingProblem& p)
{
    std::vector<DimensionEffect> effects;
    for (const SensitivityRow& row : s.rows) {
        if (effects.empty() || effects.back().code != row.code)
            effects.push_back({row.code, std::vector<std::optional<double>>(p.goals.size()), std::nullopt});
        DimensionEffect& e = effects.back();
        for (size_t i = 0; i < p.goals.size(); ++i)
            if (p.goals[i].gear.label == row.gear)
                if (const auto change = GoalSensitivity(row, p.goals[i]))
                    e.goals[i] = p.weights[static_cast<size_t>(p.goals[i].event)] * *change;
    }
    for (DimensionEffect& e : effects) {
        double sum = 0;
        bool any = false;
        for (const auto& g : e.goals)
            if (g) {
                sum += *g * *g;
                any = true;
            }
        if (any) e.effect = std::sqrt(sum);
    }
    return effects;
}

}  // namespace zeph
