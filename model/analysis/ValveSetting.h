// Valve setting: a bound-constrained derivative-free search of the free dimensions from several starts.
#pragma once

#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/AnalysisControl.h"
#include "model/analysis/SettingObjective.h"
#include "model/analysis/SettingProblem.h"

namespace zeph {

// How the search runs. The local method starts first from the design's own values, then from
// fixed points spread over the box (a Halton sequence), each start on its own; the starts run
// in parallel and the best feasible point any of them met wins (on a tie the earlier start).
// The method then starts afresh at the best point, with smaller first steps, while that helps.
struct SettingSearch {
    enum class Method { Bobyqa, NelderMead };
    Method method = Method::Bobyqa;
    int starts = 4;
    int evaluationsPerStart = 150;  // also the limit of each polish
    int polishes = 2;
};

struct SettingResult {
    std::vector<float> start, values;  // per free dimension: the design's own, and the best found
    SettingEvaluation before, after;   // the design at each; after is before when nothing better was met
    long evaluations = 0;              // objective evaluations of the search, the start's included
    bool cancelled = false;            // stopped by the cancel flag; values are the best so far
};

// Never worse than the start: an infeasible point is never chosen, and the result is the start
// itself unless a feasible point with a lower objective was met. The same problem on the same
// design gives the same result. A start outside the bounds is searched from the nearest point
// inside them (the report refuses such a start). Progress reports the
// evaluations so far and the best objective.
SettingResult SolveValveSetting(const MechanismModel& design, const SettingProblem& problem,
                                const AnalysisControl& control = {}, const SettingSearch& search = {});

}  // namespace zeph
