// Which toleranced dimensions drive the cut-off spread: first-order shares from the sensitivities.
#pragma once

#include <optional>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/AnalysisControl.h"
#include "model/analysis/ToleranceStudy.h"

namespace zeph {

// One varying dimension. To first order a uniform error of half-width h moves a figure with
// standard deviation |df/dv| x h / sqrt(3); with tolerance T and wear C drawn independently,
// h^2 = T^2 + C^2. The cut-off variance of a code is that of its front and rear cut-offs
// summed over the study's gears; its share is that variance over the sum of every code's.
struct CutoffShare {
    int code = 0;
    double tolerance = 0, wear = 0;
    std::optional<double> variance;  // empty when a cut-off's sensitivity is (no mid gear, not met)
    std::optional<double> share;     // 0 .. 1; empty with the variance, or when no code moves a cut-off
};

struct CutoffRanking {
    std::vector<CutoffShare> rows;  // largest share first, ties in dialog order, empty shares last
    bool cancelled = false;         // the sensitivities were stopped; rows is then empty
};

// Computes the sensitivity of each varying code in the study's gears and step (default
// central difference), in parallel; progress counts finished codes.
CutoffRanking RankCutoffSpread(const MechanismModel& design, const ToleranceRequest& r,
                               const AnalysisControl& control = {});

}  // namespace zeph
