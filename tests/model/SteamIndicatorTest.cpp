// The steam indicator: pressure updates, phase changes, cut-off interpolation and whole runs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ModelTestSupport.h"
#include "model/diagrams/SteamIndicator.h"

namespace zeph {
namespace {

using test::DiagramModel;
using test::ForwardGear;
using test::ForwardMaxGear;
using test::ReverseGear;
using test::SetDiagramList;

SteamEnd EndIn(SteamPhase phase, float p, float release = 0)
{
    SteamEnd e;
    e.phase = phase;
    e.p = p;
    e.release = release;
    return e;
}

TEST(SteamPressure, ElementaryUpdates)
{
    SteamEnd e = EndIn(SteamPhase::Exhaust, 100, 150);
    ExhaustDecay(e);
    EXPECT_FLOAT_EQ(e.p, 90);
    e.p = 12;
    ExhaustDecay(e);
    EXPECT_FLOAT_EQ(e.p, 5);  // floor

    e.p = 10;
    Compression(e, 100, 99);  // 100 / 100 + 0.3 = 1.3
    EXPECT_FLOAT_EQ(e.p, 10 + 1.3f * 1.3f * 1.3f * 1.3f);

    float opening = 0.001f;
    e.p = 0;
    Admission(e, opening, 55);
    EXPECT_FLOAT_EQ(opening, 0.005f);  // raised, and kept so
    EXPECT_FLOAT_EQ(e.p, 0.005f * 100000 / 100);
    opening = 1.0f;
    Admission(e, opening, 55);
    EXPECT_FLOAT_EQ(e.p, 303);  // cap

    e.p = 200;
    Expansion(e, 100, 300);
    EXPECT_FLOAT_EQ(e.p, 200 * 200.0f / 400 * 0.96f);
}

TEST(SteamPressure, DivisorsNeverReachZeroAndPressuresStayFinite)
{
    SteamEnd e = EndIn(SteamPhase::Compression, 10);
    Compression(e, 50, -1);  // divisor dist + 1 = 0
    EXPECT_TRUE(std::isfinite(e.p));
    float opening = 0.1f;
    Admission(e, opening, -45);
    EXPECT_TRUE(std::isfinite(e.p));
    e.p = 10;
    Expansion(e, 50, -100);
    EXPECT_TRUE(std::isfinite(e.p));
    // A step that would leave no number keeps the pressure it had.
    e.p = 42;
    Compression(e, std::numeric_limits<Real>::quiet_NaN(), 10);
    EXPECT_EQ(e.p, 42);
    Expansion(e, std::numeric_limits<Real>::infinity(), 10);
    EXPECT_EQ(e.p, 42);
}

TEST(SteamPhases, ExhaustThenCompression)
{
    SteamEnd e = EndIn(SteamPhase::Exhaust, 60, 150);
    float steam = -0.1f;
    PhaseStep(e, 500, 520, steam, 0.2f);
    EXPECT_EQ(e.phase, SteamPhase::Exhaust);
    EXPECT_FLOAT_EQ(e.p, 50);
    PhaseStep(e, 520, 540, steam, 0.0f);  // exhaust closed: compression at once
    EXPECT_EQ(e.phase, SteamPhase::Compression);
    EXPECT_GT(e.p, 50);
}

TEST(SteamPhases, CompressionTurnsToAdmissionByPortOrByPistonLeaving)
{
    SteamEnd e = EndIn(SteamPhase::Compression, 80);
    float steam = 0.002f;
    PhaseStep(e, 20, 10, steam, -0.2f);  // piston still coming in, port just open
    EXPECT_EQ(e.phase, SteamPhase::Admission);
    EXPECT_EQ(steam, 0.005f);

    e = EndIn(SteamPhase::Compression, 80);
    steam = -0.01f;
    PhaseStep(e, 20, 10, steam, -0.2f);
    EXPECT_EQ(e.phase, SteamPhase::Compression);
    PhaseStep(e, 10, 15, steam, -0.2f);  // dead centre passed, port still shut
    EXPECT_EQ(e.phase, SteamPhase::Admission);
}

TEST(SteamPhases, AdmissionExpansionAndRelease)
{
    SteamEnd e = EndIn(SteamPhase::Admission, 250);
    e.labelDrawn = true;
    float steam = 0.05f;
    PhaseStep(e, 100, 120, steam, -0.3f);
    EXPECT_EQ(e.phase, SteamPhase::Admission);
    EXPECT_FALSE(e.labelDrawn);
    steam = -0.01f;
    PhaseStep(e, 120, 140, steam, -0.3f);
    EXPECT_EQ(e.phase, SteamPhase::Expansion);
    const float expanded = e.p;
    EXPECT_LT(expanded, 303);
    PhaseStep(e, 500, 520, steam, 0.01f);  // release
    EXPECT_EQ(e.phase, SteamPhase::Exhaust);
    EXPECT_EQ(e.release, expanded);
    EXPECT_FLOAT_EQ(e.p, expanded - expanded / 15);

    e = EndIn(SteamPhase::Expansion, 100);
    steam = 0.01f;  // the steam port opens again before any exhaust
    PhaseStep(e, 10, 5, steam, -0.1f);
    EXPECT_EQ(e.phase, SteamPhase::Admission);
    EXPECT_EQ(PhaseMarker(SteamPhase::Admission), '1');
    EXPECT_EQ(PhaseMarker(SteamPhase::Expansion), '1');
    EXPECT_EQ(PhaseMarker(SteamPhase::Exhaust), '2');
    EXPECT_EQ(PhaseMarker(SteamPhase::Compression), '2');
}

TEST(SteamDiagram, OneFullForwardGearRun)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {ForwardMaxGear(m)});
    const SteamDiagramData d = ComputeSteamDiagram(m);
    ASSERT_EQ(d.runs.size(), 1u);
    const SteamRun& run = d.runs[0];
    EXPECT_TRUE(run.forward);
    EXPECT_EQ(run.entry.side, RevArmSide::Forward);
    // Only the last 90 steps draw traces: 360 degrees, one loop per end.
    int frontTraces = 0, rearTraces = 0, frontLabels = 0, rearLabels = 0;
    for (const SteamStepDraw& s : run.steps) {
        if (s.front.trace) {
            EXPECT_GT(s.step, SteamSettleSteps);
            ++frontTraces;
        }
        rearTraces += s.rear.trace ? 1 : 0;
        frontLabels += s.front.label ? 1 : 0;
        rearLabels += s.rear.label ? 1 : 0;
        for (const SteamEndDraw* e : {&s.front, &s.rear})
            if (e->cutoff && e->cutoff->line) {
                EXPECT_GT(s.step, SteamSettleSteps);
            }
    }
    EXPECT_EQ(frontTraces, 90);
    EXPECT_EQ(rearTraces, 90);
    EXPECT_GE(frontLabels, 1);
    EXPECT_GE(rearLabels, 1);
    // 4 degree steps land close to the cut-offs a fine sweep finds (85.4 and 81.4 per cent).
    ASSERT_TRUE(run.frontCutoff && run.rearCutoff);
    EXPECT_NEAR(double(*run.frontCutoff), 85.4, 1.5);
    EXPECT_NEAR(double(*run.rearCutoff), 81.4, 1.5);
}

TEST(SteamDiagram, CutOffMovesTheStartOfTheTraceToTheCrossing)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {ForwardGear(m)});
    const SteamRun run = ComputeSteamDiagram(m).runs[0];
    int checked = 0;
    for (const SteamStepDraw& s : run.steps) {
        for (const SteamEndDraw* e : {&s.front, &s.rear}) {
            if (!e->cutoff || !e->cutoff->line) continue;
            const SteamSegment& line = *e->cutoff->line;
            EXPECT_EQ(line.from.pressure, line.to.pressure);         // level with the pressure before
            ASSERT_TRUE(e->trace.has_value());
            EXPECT_NEAR(double(e->trace->from.pos), double(line.to.pos), 1e-3);  // the trace goes on from the crossing
            EXPECT_EQ(e->trace->from.pressure, line.from.pressure);
            const Real pos = e == &s.front ? e->cutoff->percent * 6.4L : 640 - e->cutoff->percent * 6.4L;
            EXPECT_NEAR(double(pos), double(line.to.pos), 1e-3);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2);
    EXPECT_NEAR(double(*run.frontCutoff), 77.6, 1.0);
    EXPECT_NEAR(double(*run.rearCutoff), 72.7, 1.0);
}

TEST(SteamDiagram, DrawingTwiceGivesTheSameResult)
{
    MechanismModel m = DiagramModel();
    const SteamDiagramData first = ComputeSteamDiagram(m);
    m.PrevFrontSteamOpening = 5.0f;  // whatever the readouts left
    m.PrevRearSteamOpening = -5.0f;
    const SteamDiagramData second = ComputeSteamDiagram(m);
    ASSERT_EQ(first.runs.size(), second.runs.size());
    for (size_t r = 0; r < first.runs.size(); ++r) {
        const auto &a = first.runs[r], &b = second.runs[r];
        ASSERT_EQ(a.steps.size(), b.steps.size());
        EXPECT_EQ(a.frontCutoff, b.frontCutoff);
        EXPECT_EQ(a.rearCutoff, b.rearCutoff);
        for (size_t i = 0; i < a.steps.size(); ++i) {
            EXPECT_EQ(a.steps[i].step, b.steps[i].step);
            EXPECT_EQ(a.steps[i].front.trace.has_value(), b.steps[i].front.trace.has_value());
            if (a.steps[i].front.trace) {
                EXPECT_EQ(a.steps[i].front.trace->to.pressure, b.steps[i].front.trace->to.pressure);
            }
        }
    }
}

TEST(SteamDiagram, SideEffectsOnTheModel)
{
    MechanismModel m = DiagramModel();
    m.DriverAngle = 10.0f;
    m.RevArmPosition = 4.2f;
    m.Steam.FrontPhase = 'E';
    m.Steam.RearPhase = 'C';
    const SteamDiagramData d = ComputeSteamDiagram(m);
    EXPECT_EQ(m.DriverAngle, 10.0f);
    EXPECT_EQ(m.RevArmPosition, 4.2f);
    EXPECT_EQ(m.LastDiagramRevArmPos, ReverseGear(m));
    EXPECT_TRUE(m.Steam.FrontPhase == '1' || m.Steam.FrontPhase == '2');
    EXPECT_TRUE(m.Steam.RearPhase == '1' || m.Steam.RearPhase == '2');
    // The runs go forwards, forwards and backwards from 96 degrees: the last step is at 336,
    // and its steam openings stay behind as the previous ones.
    EXPECT_FALSE(d.runs[2].forward);
    MechanismModel check = m;
    test::SolveAt(check, ReverseGear(m), 336.0f);
    const auto raised = [](float o) { return o > 0 && o < 0.005f ? 0.005f : o; };
    EXPECT_EQ(m.PrevFrontSteamOpening, raised(check.Ports.FrontSteamOpening));
    EXPECT_EQ(m.PrevRearSteamOpening, raised(check.Ports.RearSteamOpening));
}

TEST(SteamDiagram, EmptyListRunsNothing)
{
    MechanismModel m = DiagramModel();
    SetDiagramList(m, {});
    m.Steam.FrontPhase = 'E';
    EXPECT_TRUE(ComputeSteamDiagram(m).runs.empty());
    EXPECT_EQ(m.Steam.FrontPhase, 'E');
    EXPECT_EQ(m.DriverAngle, 0.0f);
}

TEST(SteamDiagram, BrokenDesignsFinishWithoutJunkPixels)
{
    const auto broken = [](MechanismModel& m, int which) {
        if (which == 0) m.Frame.MainRodLen = 0.5f;  // piston travel far outside 0..640
        if (which == 1) m.Frame.Stroke = 0.0f;
        if (which == 2) m.Frame.Stroke = std::numeric_limits<float>::quiet_NaN();
        if (which == 3) m.Cyl.ValvePortOffset = std::numeric_limits<float>::infinity();
    };
    for (int which = 0; which < 4; ++which) {
        MechanismModel m = DiagramModel();
        broken(m, which);
        const SteamDiagramData d = ComputeSteamDiagram(m);
        ASSERT_EQ(d.runs.size(), 3u) << which;
        for (const SteamRun& run : d.runs) {
            if (run.frontCutoff) {
                EXPECT_TRUE(std::isfinite(*run.frontCutoff));
            }
            for (const SteamStepDraw& s : run.steps)
                for (const SteamEndDraw* e : {&s.front, &s.rear})
                    if (e->trace) {
                        EXPECT_TRUE(std::isfinite(e->trace->from.pos) && std::isfinite(e->trace->from.pressure)) << which;
                        EXPECT_TRUE(std::isfinite(e->trace->to.pos) && std::isfinite(e->trace->to.pressure)) << which;
                    }
        }
    }
}

}  // namespace
}  // namespace zeph
