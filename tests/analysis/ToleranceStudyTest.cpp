// The tolerance study: exact at zero tolerance, blind to ignored dimensions, linear at the valve rod, reproducible, cancellable.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

#include <tbb/task_arena.h>

#include "AnalysisTestSupport.h"
#include "model/analysis/Sensitivity.h"
#include "model/analysis/ToleranceRanking.h"
#include "model/analysis/ToleranceStudy.h"

namespace zeph {
namespace {

using test::DefaultDesign;

ToleranceRequest Study(std::vector<DimTolerance> tolerances, long samples, double wear = 0)
{
    ToleranceRequest r;
    r.tolerances = std::move(tolerances);
    r.wear = wear;
    r.samples = samples;
    r.step = 1.0;
    return r;
}

// Every statistic of every figure is the nominal one, or every figure is missing with it.
void ExpectAllNominal(const ToleranceResult& t)
{
    for (const GearSpread& g : t.gears)
        for (int k = 0; k < EventFigureCount; ++k) {
            const FigureSpread& s = g.figures[k];
            ASSERT_TRUE(g.nominal[k].has_value()) << g.gear << " " << k;
            const double n = *g.nominal[k];
            EXPECT_EQ(s.Missing(), 0);
            for (const double v : {s.Mean(), s.Min(), s.Max(), s.Percentile(0.05), s.Percentile(0.95)})
                EXPECT_EQ(v, n) << g.gear << " figure " << k;
            EXPECT_EQ(s.Sd(), 0.0);
        }
}

// Bitwise equal spreads: the same samples were taken in, in the same order.
void ExpectSameFigures(const ToleranceResult& a, const ToleranceResult& b)
{
    ASSERT_EQ(a.samples, b.samples);
    ASSERT_EQ(a.gears.size(), b.gears.size());
    for (size_t g = 0; g < a.gears.size(); ++g)
        for (int k = 0; k < EventFigureCount; ++k) {
            const FigureSpread &x = a.gears[g].figures[k], &y = b.gears[g].figures[k];
            EXPECT_EQ(x.Missing(), y.Missing());
            EXPECT_EQ(x.Mean(), y.Mean()) << g << " " << k;
            EXPECT_EQ(x.Sd(), y.Sd()) << g << " " << k;
            EXPECT_EQ(x.Percentile(0.05), y.Percentile(0.05)) << g << " " << k;
        }
}

TEST(ToleranceStudy, ZeroToleranceAndIgnoredDimensionsLeaveEveryFigureNominal)
{
    const MechanismModel m = DefaultDesign();
    std::vector<DimTolerance> zero;
    for (const int code : SensitivityCodes({})) zero.push_back({code, 0.0});
    const ToleranceResult t = RunToleranceStudy(m, Study(zero, 6));
    EXPECT_EQ(t.samples, 6);
    EXPECT_FALSE(t.cancelled);
    ExpectAllNominal(t);
    // The cylinder bore's diameter and length are drawn, never solved with.
    ExpectAllNominal(RunToleranceStudy(m, Study({{103, 5.0}, {104, 5.0}}, 6)));
    // And the ranking gives them no share, the one code that moves the valve all of it.
    const CutoffRanking rank = RankCutoffSpread(m, Study({{103, 5.0}, {18, 0.01}}, 1));
    ASSERT_EQ(rank.rows.size(), 2u);
    EXPECT_EQ(rank.rows[0].code, 18);
    EXPECT_DOUBLE_EQ(*rank.rows[0].share, 1.0);
    EXPECT_EQ(*rank.rows[1].share, 0.0);
}

// The valve connecting rod moves the valve as a whole: the front lead grows by the rod's
// error and the rear lead shrinks by it, so their spreads are the drawn errors' own.
TEST(ToleranceStudy, ValveRodErrorPassesStraightIntoTheLeads)
{
    const MechanismModel m = DefaultDesign();
    const ToleranceRequest r = Study({{18, 0.004}}, 40);
    const ToleranceResult t = RunToleranceStudy(m, r);
    FigureSpread drawn(0.0);
    for (long k = 0; k < r.samples; ++k) {
        const std::vector<DimChange> c = SampleChanges(m, r, k);
        ASSERT_EQ(c.size(), 1u);
        const double u = double(c[0].value) - double(m.GetDim(18));
        EXPECT_LE(std::fabs(u), 0.004 + 1e-6);
        drawn.Add(u);
    }
    EXPECT_GT(drawn.Sd(), 0.001);
    for (const GearSpread& g : t.gears) {
        const FigureSpread &front = g.figures[0], &rear = g.figures[1];
        EXPECT_NEAR(front.Mean() - *g.nominal[0], drawn.Mean(), 2e-4) << g.gear;
        EXPECT_NEAR(rear.Mean() - *g.nominal[1], -drawn.Mean(), 2e-4) << g.gear;
        EXPECT_NEAR(front.Sd(), drawn.Sd(), 0.05 * drawn.Sd()) << g.gear;
        EXPECT_NEAR(rear.Sd(), drawn.Sd(), 0.05 * drawn.Sd()) << g.gear;
        EXPECT_NEAR(front.Max() - *g.nominal[0], drawn.Max(), 2e-4) << g.gear;
    }
}

// For a small error the first-order cut-off variance is what the samples show.
TEST(ToleranceStudy, RankingVarianceMatchesTheSampledCutoffSpread)
{
    const MechanismModel m = DefaultDesign();
    ToleranceRequest r = Study({{8, 0.002}}, 400);
    r.gears = {ChoiceOf(NamedGear::Fwd)};
    const CutoffRanking rank = RankCutoffSpread(m, r);
    ASSERT_EQ(rank.rows.size(), 1u);
    const ToleranceResult t = RunToleranceStudy(m, r);
    const double front = t.gears[0].figures[3].Sd(), rear = t.gears[0].figures[7].Sd();
    EXPECT_NEAR(*rank.rows[0].variance, front * front + rear * rear, 0.1 * *rank.rows[0].variance);
}

TEST(ToleranceStudy, DrawsDependOnSeedAndIndexOnly)
{
    const MechanismModel m = DefaultDesign();
    ToleranceRequest r = Study({{6, 0.02}, {18, 0.01}}, 3, 0.005);
    const std::vector<DimChange> first = SampleChanges(m, r, 2);
    // Eccentric rod end and valve rod toleranced and worn, the other pinned links worn only.
    EXPECT_EQ(first.size(), WearCodes().size());
    for (const DimChange& c : first) {
        const double bound = (c.code == 6 ? 0.02 : c.code == 18 ? 0.01 : 0) + 0.005 + 1e-5;
        EXPECT_LE(std::fabs(double(c.value) - m.GetDim(c.code)), bound) << c.code;
    }
    // Another code's tolerance leaves the valve rod's draw as it was.
    r.tolerances.push_back({117, 0.3});
    const std::vector<DimChange> more = SampleChanges(m, r, 2);
    const auto valveRod = [](const std::vector<DimChange>& cs) {
        for (const DimChange& c : cs)
            if (c.code == 18) return c.value;
        return 0.0f;
    };
    EXPECT_EQ(valveRod(more), valveRod(first));
    EXPECT_NE(valveRod(SampleChanges(m, r, 3)), valveRod(first));
    r.seed = 2;
    EXPECT_NE(valveRod(SampleChanges(m, r, 2)), valveRod(first));
}

TEST(ToleranceStudy, SameSeedGivesTheSameFiguresOnOneThreadOrMany)
{
    const MechanismModel m = DefaultDesign();
    ToleranceRequest r = Study({{6, 0.05}, {9, 0.05}, {18, 0.02}}, 24, 0.01);
    const ToleranceResult many = RunToleranceStudy(m, r);
    ToleranceResult one;
    tbb::task_arena(1).execute([&] { one = RunToleranceStudy(m, r); });
    ExpectSameFigures(many, one);
    r.seed = 7;
    EXPECT_NE(RunToleranceStudy(m, r).gears[0].figures[3].Mean(), many.gears[0].figures[3].Mean());
}

TEST(ToleranceStudy, CancelKeepsTheFirstSamplesWithoutGaps)
{
    const MechanismModel m = DefaultDesign();
    ToleranceRequest r = Study({{6, 0.05}, {18, 0.02}}, 200);
    std::atomic<bool> cancel{false};
    long lastDone = 0;
    AnalysisControl control;
    control.cancel = &cancel;
    control.progress = [&](const AnalysisProgress& p) {
        EXPECT_GT(p.done, lastDone);
        EXPECT_EQ(p.total, 200);
        lastDone = p.done;
        if (p.done >= 8) cancel = true;
    };
    const ToleranceResult part = RunToleranceStudy(m, r, control);
    EXPECT_TRUE(part.cancelled);
    EXPECT_GE(part.samples, 8);
    EXPECT_LT(part.samples, 200);
    EXPECT_EQ(part.samples, lastDone);
    r.samples = part.samples;
    const ToleranceResult whole = RunToleranceStudy(m, r);
    EXPECT_FALSE(whole.cancelled);
    ExpectSameFigures(part, whole);
}

TEST(FigureSpread, PercentilesInterpolateAndMissingSamplesStayOut)
{
    FigureSpread s(3.0);
    for (const double v : {5.0, 1.0, 4.0, 2.0, 3.0}) s.Add(v);
    s.Add(std::nullopt);
    EXPECT_EQ(s.Count(), 5);
    EXPECT_EQ(s.Missing(), 1);
    EXPECT_DOUBLE_EQ(s.Mean(), 3.0);
    EXPECT_DOUBLE_EQ(s.Sd(), std::sqrt(2.5));
    EXPECT_DOUBLE_EQ(s.Percentile(0.05), 1.2);
    EXPECT_DOUBLE_EQ(s.Percentile(0.95), 4.8);
    EXPECT_EQ(s.Histogram(1, 5, 4), (std::vector<long>{1, 1, 1, 2}));
    EXPECT_TRUE(std::isnan(FigureSpread().Mean()));
}

}  // namespace
}  // namespace zeph
