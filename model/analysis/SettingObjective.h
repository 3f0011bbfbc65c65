// The valve-setting objective: the design at given values of the free dimensions, its residuals and feasibility.
#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/GearSweep.h"
#include "model/analysis/SettingProblem.h"

namespace zeph {

// The design with the free dimensions at some values.
struct SettingEvaluation {
    std::vector<float> values;                     // one per free dimension, as stored
    std::vector<std::optional<double>> residuals;  // one per goal; empty where its event is not met
    std::vector<GearEvents> events;                // one per gear the goals name, in goal order
    double objective = std::numeric_limits<double>::infinity();  // infinite when infeasible
    bool noMidGear = false;       // the changed design has no mid gear
    bool mechanismError = false;  // some named gear's turn could not close the linkage
    // Feasible: mid gear found, every named gear's turn closes, every goal's event met at both ends.
    bool Feasible() const { return std::isfinite(objective); }
};

class SettingObjective {
public:
    // `design` has its dimensions set; it is copied, and each evaluation starts from the copy.
    SettingObjective(const MechanismModel& design, SettingProblem problem);

    const SettingProblem& Problem() const { return problem_; }
    // The design's own values of the free dimensions.
    std::vector<float> StartValues() const;
    // The gears the goals name, each once, in the order first named.
    const std::vector<GearChoice>& Gears() const { return gears_; }
    // The design with the free dimensions written as `values` (one per free dimension), then
    // computed as the events report computes `--set CODE=VALUE...`: mid gear found again, each
    // gear placed from the new centre and swept. The objective is the sum over the goals of
    // (weight x residual)^2.
    SettingEvaluation Evaluate(std::span<const float> values) const;
    // The changed design itself, mid gear found again, ready to save or to apply.
    MechanismModel DesignWith(std::span<const float> values) const;

private:
    MechanismModel design_;
    SettingProblem problem_;
    std::vector<GearChoice> gears_;
    std::vector<size_t> goalGear_;  // index into gears_ per goal
};

}  // namespace zeph
