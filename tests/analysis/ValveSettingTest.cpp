// The valve-setting search: bounds, never worse, never infeasible, repeatable, as good as Nelder-Mead, cancellable.
#include <gtest/gtest.h>

#include <atomic>

#include "AnalysisTestSupport.h"
#include "model/analysis/ValveSetting.h"

namespace zeph {
namespace {

using test::Balance;
using test::DefaultDesign;
using test::Target;
using test::UsualProblem;

void ExpectWithinBounds(const SettingProblem& p, const std::vector<float>& values)
{
    ASSERT_EQ(values.size(), p.free.size());
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_GE(double(values[i]), p.free[i].min) << p.free[i].code;
        EXPECT_LE(double(values[i]), p.free[i].max) << p.free[i].code;
    }
}

TEST(ValveSetting, ImprovesWithinBoundsAndRepeatsExactly)
{
    const MechanismModel m = DefaultDesign();
    const SettingProblem p = UsualProblem(m, 0.5);
    const SettingResult a = SolveValveSetting(m, p);
    const SettingResult b = SolveValveSetting(m, p);
    ExpectWithinBounds(p, a.values);
    ASSERT_TRUE(a.after.Feasible());
    EXPECT_LT(a.after.objective, a.before.objective / 4);
    EXPECT_EQ(a.start, (std::vector<float>{m.GetDim(18), m.GetDim(6)}));
    EXPECT_EQ(a.values, b.values);
    EXPECT_EQ(a.evaluations, b.evaluations);
    EXPECT_EQ(a.after.objective, b.after.objective);
    EXPECT_FALSE(a.cancelled);
}

TEST(ValveSetting, ReachesWhatMultiStartNelderMeadReaches)
{
    const MechanismModel m = DefaultDesign();
    SettingProblem p = UsualProblem(m, 0.2);
    p.free.push_back(DefaultBounds(7, m.GetDim(7)));
    p.goals.push_back(Balance(SettingEvent::Lead, NamedGear::Rev));
    const SettingResult bobyqa = SolveValveSetting(m, p);
    SettingSearch nm;
    nm.method = SettingSearch::Method::NelderMead;
    nm.evaluationsPerStart = 300;
    const SettingResult nelderMead = SolveValveSetting(m, p, {}, nm);
    ASSERT_TRUE(nelderMead.after.Feasible());
    EXPECT_LE(bobyqa.after.objective, nelderMead.after.objective * (1 + 1e-4));
}

TEST(ValveSetting, NeverChoosesADesignWhoseGoalEventsAreNotMet)
{
    // Negative lead pulls the valve rod short, towards lengths where the valve no longer
    // uncovers its ports and the cut-off to balance is gone.
    const MechanismModel m = DefaultDesign();
    SettingProblem p;
    p.free = {{18, 1.0, 1.8}};
    p.goals = {Target(SettingEvent::Lead, NamedGear::Fwd, -0.6), Balance(SettingEvent::Cutoff, NamedGear::Fwd)};
    p.step = 1;
    const SettingObjective objective(m, p);
    ASSERT_FALSE(objective.Evaluate(std::vector<float>{1.0f}).Feasible());
    const SettingResult r = SolveValveSetting(m, p);
    ASSERT_TRUE(r.after.Feasible());
    EXPECT_LT(r.after.objective, r.before.objective);
    EXPECT_TRUE(r.after.events[0].front.cutoff && r.after.events[0].rear.cutoff);
    EXPECT_EQ(objective.Evaluate(r.values).objective, r.after.objective);
}

TEST(ValveSetting, CancelKeepsTheBestSoFar)
{
    const MechanismModel m = DefaultDesign();
    const SettingProblem p = UsualProblem(m, 0.5);
    std::atomic<bool> cancel = false;
    long calls = 0;
    double lastBest = 0;
    AnalysisControl control;
    control.cancel = &cancel;
    control.progress = [&](const AnalysisProgress& progress) {
        ++calls;
        lastBest = progress.best;
        if (progress.done >= 20) cancel = true;
    };
    const SettingResult r = SolveValveSetting(m, p, control);
    EXPECT_TRUE(r.cancelled);
    EXPECT_LT(r.evaluations, 30);
    EXPECT_EQ(calls, r.evaluations);
    ExpectWithinBounds(p, r.values);
    ASSERT_TRUE(r.after.Feasible());
    EXPECT_LE(r.after.objective, r.before.objective);
    EXPECT_EQ(r.after.objective, lastBest);
    EXPECT_EQ(SettingObjective(m, p).Evaluate(r.values).objective, r.after.objective);
}

}  // namespace
}  // namespace zeph
