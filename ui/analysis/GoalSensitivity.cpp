// Goal effects from the event sensitivity: the figures a goal names, combined as its residual combines them.
#include "ui/analysis/GoalSensitivity.h"

#include <cmath>

namespace zeph {

namespace {

// The indices of an event's front and rear figures in the sensitivity's order: lead front and
// rear, then per end admission, cut-off, release, compression.
std::pair<int, int> FigureIndices(SettingEvent e)
{
    const int i = static_cast<int>(e);
    return e == SettingEvent::Lead ? std::pair{0, 1} : std::pair{1 + i, 5 + i};
}

}  // namespace

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

std::optional<double> GoalChange(const SensitivityRow& row, const SettingGoal& goal, double weight)
{
    const auto [front, rear] = FigureIndices(goal.event);
    const auto& f = row.change[static_cast<size_t>(front)];
    const auto& r = row.change[static_cast<size_t>(rear)];
    if (!f || !r) return std::nullopt;
    return weight * (goal.balance ? *f - *r : (*f + *r) / 2);
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
                e.goals[i] = GoalChange(row, p.goals[i], p.weights[static_cast<size_t>(p.goals[i].event)]);
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
