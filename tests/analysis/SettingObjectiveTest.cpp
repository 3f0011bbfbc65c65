// The valve-setting objective: residuals and weights on known events, and what makes a design infeasible.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "model/analysis/GearSweep.h"
#include "model/analysis/SettingObjective.h"

namespace zeph {
namespace {

using test::Balance;
using test::DefaultDesign;
using test::Target;

TEST(SettingObjective, ResidualsAndWeightedSumFollowTheSweptEvents)
{
    MechanismModel m = DefaultDesign();
    SettingProblem p;
    p.free = {DefaultBounds(18, m.GetDim(18))};
    p.goals = {Balance(SettingEvent::Cutoff, NamedGear::Fwd), Target(SettingEvent::Release, NamedGear::Rev, 90),
               Balance(SettingEvent::Lead, NamedGear::Fwd)};
    p.weights = {50, 1, 2, 3, 1};
    p.step = 0.5;
    const SettingObjective objective(m, p);
    const SettingEvaluation e = objective.Evaluate(objective.StartValues());

    MechanismModel swept = m;
    const GearEvents fwd = SweepGearEvents(swept, ResolveGear(swept, ChoiceOf(NamedGear::Fwd)), 0.5);
    const GearEvents rev = SweepGearEvents(swept, ResolveGear(swept, ChoiceOf(NamedGear::Rev)), 0.5);
    const double cutoff = *fwd.front.cutoff - *fwd.rear.cutoff;
    const double release = (*rev.front.release + *rev.rear.release) / 2 - 90;
    const double lead = double(fwd.leadFront) - double(fwd.leadRear);
    ASSERT_TRUE(e.Feasible());
    EXPECT_DOUBLE_EQ(*e.residuals[0], cutoff);
    EXPECT_DOUBLE_EQ(*e.residuals[1], release);
    EXPECT_DOUBLE_EQ(*e.residuals[2], lead);
    EXPECT_NEAR(e.objective, 4 * cutoff * cutoff + 9 * release * release + 2500 * lead * lead, 1e-9);
    // fwd named twice, rev once: each gear swept once, in the order first named.
    ASSERT_EQ(e.events.size(), 2u);
    EXPECT_EQ(e.events[0].gear.label, "fwd");
    EXPECT_EQ(e.events[1].gear.label, "rev");
}

TEST(SettingObjective, UnmetEventsAndUnclosableLinkageAreInfeasible)
{
    MechanismModel m = DefaultDesign();
    SettingProblem p;
    p.free = {{18, 0.5, 2.0}, {3, -20, 20}};
    p.goals = {Balance(SettingEvent::Cutoff, NamedGear::Fwd)};
    p.step = 1;
    const SettingObjective objective(m, p);
    // A valve rod so short that the valve never uncovers its ports: no cut-off to balance.
    const SettingEvaluation unmet = objective.Evaluate(std::vector<float>{1.0f, 10.0f});
    EXPECT_FALSE(unmet.Feasible());
    EXPECT_FALSE(unmet.residuals[0]);
    EXPECT_FALSE(unmet.mechanismError);
    // A negative main rod closes the solver's squares while the piston leaves its cylinder.
    const SettingEvaluation bent = objective.Evaluate(std::vector<float>{1.773f, -10.0f});
    EXPECT_FALSE(bent.Feasible());
    EXPECT_TRUE(bent.mechanismError);
    EXPECT_TRUE(objective.Evaluate(std::vector<float>{1.773f, 10.0f}).Feasible());
}

TEST(SettingProblem, DefaultBoundsAndHeldValues)
{
    const FreeDimension wide = DefaultBounds(6, 8.0f);
    EXPECT_DOUBLE_EQ(wide.min, 7.6);
    EXPECT_DOUBLE_EQ(wide.max, 8.4);
    const FreeDimension small = DefaultBounds(16, 0.0f);
    EXPECT_DOUBLE_EQ(small.min, -0.01);
    EXPECT_DOUBLE_EQ(small.max, 0.01);
    // The float nearest 0.01 lies above it; the value held stays inside.
    EXPECT_LE(double(HeldWithin(0.01, small)), 0.01);
    EXPECT_GE(double(HeldWithin(-1, small)), -0.01);
    EXPECT_EQ(HeldWithin(0.005, small), 0.005f);
}

}  // namespace
}  // namespace zeph
