// Evaluates a valve-setting candidate on a copy of the design, exactly as the events report would.
#include "model/analysis/SettingObjective.h"

#include <cmath>

#include <tbb/parallel_for.h>

#include "model/analysis/DimChange.h"

namespace zeph {

namespace {

// The event's figure at each end of one sweep; lead always stands.
std::pair<std::optional<double>, std::optional<double>> Ends(const GearEvents& ev, SettingEvent e)
{
    const auto of = [e](const EndEvents& end) -> std::optional<double> {
        switch (e) {
        case SettingEvent::Admission: return end.admission;
        case SettingEvent::Cutoff: return end.cutoff;
        case SettingEvent::Release: return end.release;
        case SettingEvent::Compression: return end.compression;
        case SettingEvent::Lead: break;
        }
        return std::nullopt;
    };
    if (e == SettingEvent::Lead) return {double(ev.leadFront), double(ev.leadRear)};
    return {of(ev.front), of(ev.rear)};
}

std::optional<double> Residual(const SettingGoal& goal, const GearEvents& ev)
{
    const auto [front, rear] = Ends(ev, goal.event);
    if (!front || !rear) return std::nullopt;
    return goal.balance ? *front - *rear : (*front + *rear) / 2 - goal.target;
}

std::vector<DimChange> ChangesOf(const SettingProblem& p, std::span<const float> values)
{
    std::vector<DimChange> changes;
    for (size_t i = 0; i < p.free.size() && i < values.size(); ++i) changes.push_back({p.free[i].code, values[i]});
    return changes;
}

}  // namespace

SettingObjective::SettingObjective(const MechanismModel& design, SettingProblem problem)
    : design_(design), problem_(std::move(problem))
{
    for (const SettingGoal& goal : problem_.goals) {
        size_t g = 0;
        while (g < gears_.size() && gears_[g].label != goal.gear.label) ++g;
        if (g == gears_.size()) gears_.push_back(goal.gear);
        goalGear_.push_back(g);
    }
}

std::vector<float> SettingObjective::StartValues() const
{
    std::vector<float> values;
    for (const FreeDimension& d : problem_.free) values.push_back(design_.GetDim(d.code));
    return values;
}

MechanismModel SettingObjective::DesignWith(std::span<const float> values) const
{
    MechanismModel m = design_;
    ApplyDimChanges(m, ChangesOf(problem_, values));
    return m;
}

SettingEvaluation SettingObjective::Evaluate(std::span<const float> values) const
{
    SettingEvaluation e;
    e.values.assign(values.begin(), values.end());
    MechanismModel m = design_;
    if (!ApplyDimChanges(m, ChangesOf(problem_, values))) {
        e.noMidGear = true;
        e.residuals.resize(problem_.goals.size());
        return e;
    }
    // Each gear's turn on its own copy, the gears side by side: a sweep leaves nothing behind
    // that the next one reads, so this is what sweeping them one after another gives.
    e.events.resize(gears_.size());
    tbb::parallel_for(size_t(0), gears_.size(), [&](size_t g) {
        MechanismModel own = m;
        e.events[g] = SweepGearEvents(own, ResolveGear(own, gears_[g]), problem_.step);
    });
    for (const GearEvents& ev : e.events) e.mechanismError = e.mechanismError || ev.mechanismError;
    double sum = 0;
    bool met = true;
    for (size_t i = 0; i < problem_.goals.size(); ++i) {
        const SettingGoal& goal = problem_.goals[i];
        e.residuals.push_back(Residual(goal, e.events[goalGear_[i]]));
        if (!e.residuals.back()) {
            met = false;
            continue;
        }
        const double weighted = problem_.weights[static_cast<int>(goal.event)] * *e.residuals.back();
        sum += weighted * weighted;
    }
    if (met && !e.mechanismError && std::isfinite(sum)) e.objective = sum;
    return e;
}

}  // namespace zeph
