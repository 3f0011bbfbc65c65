// Runs NLopt's local methods from several starts inside the bounds and keeps the best feasible point.
#include "model/analysis/ValveSetting.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <map>
#include <mutex>

#include <nlopt.hpp>
#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

namespace zeph {

namespace {

// The best point one start met, and how many evaluations it made.
struct StartOutcome {
    std::vector<float> values;
    double objective = std::numeric_limits<double>::infinity();
    long evaluations = 0;
    // Near its end a method asks for points closer than the floats the dimensions are stored
    // in; those that round to a point already met are answered from here.
    std::map<std::vector<float>, double> met;
};

// The shared count of evaluations and best objective behind the progress calls.
class Progress {
public:
    explicit Progress(const AnalysisControl& control, long total) : control_(control), total_(total) {}

    void Count(double objective)
    {
        const std::lock_guard lock(lock_);
        ++done_;
        if (objective < best_) best_ = objective;
        if (control_.progress) control_.progress({done_, total_, std::isfinite(best_) ? best_ : NAN});
    }

private:
    const AnalysisControl& control_;
    long total_;
    std::mutex lock_;
    long done_ = 0;
    double best_ = std::numeric_limits<double>::infinity();
};

// Objectives of infeasible points: above every feasible one, and finite so that the local
// models of the methods stay sound.
constexpr double InfeasiblePenalty = 1e12;

struct StartContext {
    const SettingObjective& objective;
    const AnalysisControl& control;
    Progress& progress;
    StartOutcome& outcome;
};

double Evaluate(const std::vector<double>& x, std::vector<double>&, void* data)
{
    auto& c = *static_cast<StartContext*>(data);
    if (c.control.CancelRequested()) throw nlopt::forced_stop();
    const auto& free = c.objective.Problem().free;
    std::vector<float> values(x.size());
    for (size_t i = 0; i < x.size(); ++i) values[i] = HeldWithin(x[i], free[i]);
    if (const auto known = c.outcome.met.find(values); known != c.outcome.met.end()) return known->second;
    const SettingEvaluation e = c.objective.Evaluate(values);
    ++c.outcome.evaluations;
    c.progress.Count(e.objective);
    if (e.Feasible() && e.objective < c.outcome.objective) {
        c.outcome.objective = e.objective;
        c.outcome.values = values;
    }
    const double f = e.Feasible() ? e.objective : InfeasiblePenalty;
    c.outcome.met.emplace(std::move(values), f);
    return f;
}

// Radical inverse of k in the given prime base: the Halton sequence's k-th coordinate.
double RadicalInverse(long k, int base)
{
    double f = 1, r = 0;
    for (; k > 0; k /= base) {
        f /= base;
        r += f * double(k % base);
    }
    return r;
}

std::vector<double> StartPoint(const std::vector<FreeDimension>& free, const std::vector<float>& own, int start)
{
    static constexpr int kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    std::vector<double> x(free.size());
    for (size_t i = 0; i < free.size(); ++i) {
        const double u = RadicalInverse(start, kPrimes[i % std::size(kPrimes)]);
        x[i] = start == 0 ? std::clamp(double(own[i]), free[i].min, free[i].max)
                          : free[i].min + u * (free[i].max - free[i].min);
    }
    return x;
}

// The local method over the box, its first steps `stepFraction` of each dimension's range.
nlopt::opt LocalMethod(const SettingProblem& p, const SettingSearch& search, double stepFraction)
{
    const unsigned n = static_cast<unsigned>(p.free.size());
    nlopt::opt opt(search.method == SettingSearch::Method::Bobyqa ? nlopt::LN_BOBYQA : nlopt::LN_NELDERMEAD, n);
    std::vector<double> lo, hi, dx;
    for (const FreeDimension& d : p.free) {
        lo.push_back(d.min);
        hi.push_back(d.max);
        dx.push_back((d.max - d.min) * stepFraction);
    }
    opt.set_lower_bounds(lo);
    opt.set_upper_bounds(hi);
    opt.set_initial_step(dx);
    opt.set_xtol_rel(1e-7);
    opt.set_ftol_abs(1e-10);
    opt.set_maxeval(search.evaluationsPerStart);
    return opt;
}

// One local search from `x`; the outcome keeps the best feasible point it met.
void RunLocal(const SettingObjective& objective, const SettingSearch& search, std::vector<double> x,
              double stepFraction, const AnalysisControl& control, Progress& progress, StartOutcome& outcome)
{
    if (control.CancelRequested()) return;
    nlopt::opt opt = LocalMethod(objective.Problem(), search, stepFraction);
    StartContext context{objective, control, progress, outcome};
    opt.set_min_objective(Evaluate, &context);
    double f = 0;
    try {
        opt.optimize(x, f);
    } catch (const nlopt::forced_stop&) {
        // Cancelled: the outcome holds the best point met so far.
    } catch (const std::exception&) {
        // Round-off limits and the like end the search; what it met stands.
    }
}

// The first steps of a start span a quarter of the box; a polish, begun afresh at the best
// point, looks closer, where a method's own model of the objective may have gone stale.
constexpr double StartStep = 1.0 / 4, PolishStep = 1.0 / 64;

std::vector<double> Widened(const std::vector<float>& values)
{
    return {values.begin(), values.end()};
}

}  // namespace

SettingResult SolveValveSetting(const MechanismModel& design, const SettingProblem& problem,
                                const AnalysisControl& control, const SettingSearch& search)
{
    const SettingObjective objective(design, problem);
    SettingResult result;
    result.start = objective.StartValues();
    result.before = objective.Evaluate(result.start);
    result.evaluations = 1;
    result.values = result.start;
    result.after = result.before;
    if (problem.free.empty()) return result;

    const int starts = std::max(search.starts, 1);
    Progress progress(control, 1 + long(starts) * search.evaluationsPerStart);
    progress.Count(result.before.objective);
    std::vector<StartOutcome> outcomes(starts);
    tbb::parallel_for(tbb::blocked_range<int>(0, starts, 1), [&](const tbb::blocked_range<int>& range) {
        for (int s = range.begin(); s != range.end(); ++s)
            RunLocal(objective, search, StartPoint(problem.free, result.start, s), StartStep, control, progress,
                     outcomes[s]);
    });

    StartOutcome best;
    best.objective = result.before.objective;
    best.values = result.start;
    for (const StartOutcome& o : outcomes) {
        result.evaluations += o.evaluations;
        if (o.objective < best.objective) best = o;
    }
    for (int round = 0; round < search.polishes && std::isfinite(best.objective); ++round) {
        StartOutcome polished;
        RunLocal(objective, search, Widened(best.values), PolishStep, control, progress, polished);
        result.evaluations += polished.evaluations;
        if (!(polished.objective < best.objective)) break;
        best = std::move(polished);
    }
    result.cancelled = control.CancelRequested();
    if (best.values != result.start) {
        result.values = best.values;
        result.after = objective.Evaluate(result.values);
    }
    return result;
}

}  // namespace zeph
