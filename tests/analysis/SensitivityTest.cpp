// The sensitivity table: equal to a central difference worked by hand, code by code, and stopped by its cancel flag.
#include <gtest/gtest.h>

#include <atomic>

#include "AnalysisTestSupport.h"
#include "model/analysis/GearSweep.h"
#include "model/analysis/Sensitivity.h"
#include "model/analysis/SettingObjective.h"

namespace zeph {
namespace {

using test::DefaultDesign;

// f(v) for one code and gear, as the events report computes --set CODE=v.
EventFigureValues FiguresAt(const MechanismModel& design, int code, float v, NamedGear gear)
{
    MechanismModel m = design;
    const DimChange change{code, v};
    EXPECT_TRUE(ApplyDimChanges(m, {&change, 1}));
    return EventFiguresOf(SweepGearEvents(m, ResolveGear(m, ChoiceOf(gear)), 0.5));
}

TEST(Sensitivity, EqualsAHandCentralDifferenceForEachCodeAndGear)
{
    const MechanismModel m = DefaultDesign();
    SensitivityRequest r;
    r.codes = {18, 6, 117, 25};
    r.step = 0.5;
    const SensitivityResult s = ComputeSensitivity(m, r);
    ASSERT_EQ(s.rows.size(), 8u);
    for (size_t i = 0; i < s.rows.size(); ++i) {
        const SensitivityRow& row = s.rows[i];
        const NamedGear gear = i % 2 ? NamedGear::Rev : NamedGear::Fwd;
        ASSERT_EQ(row.code, r.codes[i / 2]);
        ASSERT_EQ(row.gear, ChoiceOf(gear).label);
        const float v = m.GetDim(row.code);
        const float lo = float(double(v) - 0.01), hi = float(double(v) + 0.01);
        const EventFigureValues fl = FiguresAt(m, row.code, lo, gear), fh = FiguresAt(m, row.code, hi, gear);
        for (int k = 0; k < EventFigureCount; ++k) {
            ASSERT_EQ(row.change[k].has_value(), fl[k] && fh[k]) << row.code << " figure " << k;
            if (row.change[k]) {
                EXPECT_EQ(*row.change[k], (*fh[k] - *fl[k]) / (double(hi) - double(lo)) * 0.01);
            }
        }
        EXPECT_FALSE(row.mechanismError);
    }
    // The valve rod moves the valve as a whole: front lead up, rear lead down by as much.
    EXPECT_NEAR(*s.rows[0].change[0], 0.01, 0.001);
    EXPECT_NEAR(*s.rows[0].change[1], -0.01, 0.001);
}

// The effect on a goal is the central difference of the goal's residual itself.
TEST(Sensitivity, GoalEffectIsTheDifferenceOfTheGoalsResidual)
{
    const MechanismModel m = DefaultDesign();
    SensitivityRequest r;
    r.codes = {6};
    r.gears = {ChoiceOf(NamedGear::Fwd)};
    r.step = 0.5;
    const SensitivityRow row = ComputeSensitivity(m, r).rows.at(0);
    SettingProblem p;
    p.free = {{6, 0, 20}};
    p.goals = {test::Balance(SettingEvent::Cutoff, NamedGear::Fwd),
               test::Target(SettingEvent::Release, NamedGear::Fwd, 90),
               test::Balance(SettingEvent::Lead, NamedGear::Fwd),
               test::Target(SettingEvent::Compression, NamedGear::Fwd, 5)};
    p.step = 0.5;
    const SettingObjective objective(m, p);
    const SettingEvaluation lo = objective.Evaluate(std::vector<float>{row.minus});
    const SettingEvaluation hi = objective.Evaluate(std::vector<float>{row.plus});
    for (size_t g = 0; g < p.goals.size(); ++g) {
        const double byHand = (*hi.residuals[g] - *lo.residuals[g]) / (double(row.plus) - double(row.minus)) * 0.01;
        EXPECT_NEAR(*GoalSensitivity(row, p.goals[g]), byHand, 1e-9) << g;
    }
}

TEST(Sensitivity, AllCodesByDefaultAndNoneOnceCancelled)
{
    const MechanismModel m = DefaultDesign();
    SensitivityRequest r;
    EXPECT_EQ(SensitivityCodes(r).size(), 44u);
    r.codes = {18, 6};
    std::atomic<bool> cancel = true;
    AnalysisControl control;
    control.cancel = &cancel;
    const SensitivityResult s = ComputeSensitivity(m, r, control);
    EXPECT_TRUE(s.cancelled);
    EXPECT_TRUE(s.rows.empty());
}

}  // namespace
}  // namespace zeph
