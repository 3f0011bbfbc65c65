// The linkage solver: known positions, link lengths kept over a turn, guards and odd layouts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include "model/linkage/Guards.h"
#include "ModelTestSupport.h"

namespace zeph {
namespace {

using test::Dist;
using test::ForwardGear;
using test::ReverseGear;
using test::SolveAt;
using test::StartedModel;

struct Expected {
    int pivot;
    double x, y;
};

// Positions given to three decimals.
void ExpectPivots(const MechanismModel& m, const std::vector<Expected>& expected)
{
    for (const Expected& e : expected) {
        EXPECT_NEAR(m.Pivots[e.pivot].x, e.x, 0.0006) << "pivot " << e.pivot;
        EXPECT_NEAR(m.Pivots[e.pivot].y, e.y, 0.0006) << "pivot " << e.pivot;
    }
}

TEST(Solver, MidGearAtZeroDegrees)
{
    MechanismModel m = StartedModel();
    SolveAt(m, m.RevArmCentre, 0.0f);
    ExpectPivots(m, {{2, 1.5, 0},        {3, 11.5, 0},       {4, 13.003, 2.25},  {5, 11.231, 2.318},
                     {8, 10.008, 3.301}, {9, 9.892, 0.117},  {10, 8.398, 0.25},  {11, -0.039, 0.999},
                     {13, 8.4, 3.81},    {14, 8.392, 4.49},  {15, 3.783, 4.439}, {18, 3.769, 4.819}});
    EXPECT_FALSE(m.MechanismError);
}

TEST(Solver, MidGearAtNinetyDegreesMovesOnlyTheDriverSide)
{
    MechanismModel m = StartedModel();
    SolveAt(m, m.RevArmCentre, 0.0f);
    const auto atZero = m.Pivots;
    SolveAt(m, m.RevArmCentre, 90.0f);
    ExpectPivots(m, {{2, 0, -1.5}, {3, 9.887, 0}, {11, 0.999, 0.039}, {10, 9.461, 0.412}, {4, 12.783, 2.25}});
    EXPECT_NEAR(m.RadHangerAngle * 180 / Pi, -17.34, 0.005);
    for (int i : {13, 14, 15, 18}) {
        EXPECT_EQ(m.Pivots[i].x, atZero[i].x) << "pivot " << i;
        EXPECT_EQ(m.Pivots[i].y, atZero[i].y) << "pivot " << i;
    }
    EXPECT_FALSE(m.MechanismError);
}

TEST(Solver, ForwardGearMovesTheReachRodForwards)
{
    MechanismModel m = StartedModel();
    SolveAt(m, m.RevArmCentre, 0.0f);
    const auto mid = m.Pivots;
    SolveAt(m, ForwardGear(m), 0.0f);
    ExpectPivots(m, {{13, 9.275, 3.701}});
    for (int i : {13, 14, 15}) EXPECT_GT(m.Pivots[i].x, mid[i].x) << "pivot " << i;
    EXPECT_FALSE(m.MechanismError);
}

// Every rigid link keeps its length, and fixed pivots stay put, over a whole turn in each gear.
TEST(Solver, LinksKeepTheirLengthsOverATurn)
{
    MechanismModel m = StartedModel();
    const FrameDims& f = m.Frame;
    const auto fixed = m.Pivots;
    for (float gear : {m.RevArmCentre, ForwardGear(m), ReverseGear(m)}) {
        for (float angle = 0; angle < 360; angle += 7.5f) {
            SolveAt(m, gear, angle);
            const auto& P = m.Pivots;
            const struct {
                int a, b;
                double len;
            } links[] = {{CrankPin, DriverCentre, f.Stroke / 2.0},
                         {CrankPin, Crosshead, f.MainRodLen},
                         {EccCrankPin, DriverCentre, f.EccCircleDia / 2.0},
                         {EccCrankPin, HangerJoint, f.EccRodLeft},
                         {HangerJoint, EccRodFrontEnd, f.EccRodRight},
                         {HangerJoint, HangerTopPin, f.RadHangerLen},
                         {HangerTopPin, GuideLinkCentre, f.GuideLinkRadius},
                         {RevArmPivotCopy, RevArmTop, f.RevArmLower + f.RevArmUpper},
                         {RevArmPivotCopy, RevArmAuxPin, f.RevArmLower},
                         {RevArmAuxPin, AuxRodCorner, f.AuxRodHorz},
                         {AuxRodCorner, HangerTopPin, f.AuxRodVert},
                         {BellCrankPivotCopy, BellCrankYokePin, f.BellCrankHorz},
                         {BellCrankYokePin, EccRodFrontEnd, f.TransYokeLen},
                         {BellCrankPivotCopy, BellCrankValvePin, f.BellCrankVert},
                         {BellCrankValvePin, ValveJoint, f.ValveConRodLen}};
            for (const auto& l : links)
                EXPECT_NEAR(Dist(P[l.a], P[l.b]), l.len, 2e-4) << l.a << "-" << l.b << " at " << angle;
            // The eccentric's phase: EccCrankLen from the crank pin's mirror through the axle.
            const Pivot mirror = {-P[CrankPin].x, -P[CrankPin].y};
            EXPECT_NEAR(Dist(P[EccCrankPin], mirror), f.EccCrankLen, 2e-4) << angle;
            EXPECT_GT(P[Crosshead].x, P[CrankPin].x);
            EXPECT_GT(P[ValveJoint].x, P[BellCrankValvePin].x);
            EXPECT_GT(P[RevArmTop].y, P[RevArmPivotCopy].y);
            EXPECT_GT(P[AuxRodCorner].y, P[HangerTopPin].y);
            EXPECT_LT(P[HangerJoint].y, P[HangerTopPin].y);
            ASSERT_FALSE(m.MechanismError) << "gear " << gear << " angle " << angle;
        }
    }
    for (int i : {0, 1, 6, 7, 12, 16, 17, 19, 20}) {
        EXPECT_EQ(m.Pivots[i].x, fixed[i].x) << "pivot " << i;
        EXPECT_EQ(m.Pivots[i].y, fixed[i].y) << "pivot " << i;
    }
    EXPECT_EQ(m.CylCLHeight(), fixed[Crosshead].y);
    EXPECT_EQ(m.ValveCLHeight(), fixed[ValveJoint].y);
}

TEST(Guards, BendValuesIntoRangeAndRaiseOnlyWithTheBeepOn)
{
    for (bool beep : {true, false}) {
        MechanismModel m = StartedModel();
        m.ErrorBeepOn = beep;
        const auto raised = [&m] {
            const bool r = m.MechanismError;
            m.MechanismError = false;
            return r;
        };
        EXPECT_EQ(GuardDivisor(m, 0.5), 0.5);
        EXPECT_EQ(GuardDivisor(m, -0.5), -0.5);
        EXPECT_EQ(ClampCos(m, 0.25), 0.25);
        EXPECT_EQ(AbsRadicand(m, 4.0), 4.0);
        EXPECT_FALSE(raised());
        EXPECT_EQ(GuardDivisor(m, 0.0), Real(0.00001L));
        EXPECT_EQ(raised(), beep);
        EXPECT_EQ(GuardDivisor(m, -0.000001), -Real(0.00001L));
        EXPECT_EQ(raised(), beep);
        EXPECT_EQ(ClampCos(m, 1.2), Real(0.999999L));
        EXPECT_EQ(raised(), beep);
        EXPECT_EQ(ClampCos(m, -1.0), -Real(0.999999L));
        EXPECT_EQ(raised(), beep);
        EXPECT_EQ(AbsRadicand(m, -4.0), 4.0);
        EXPECT_EQ(raised(), beep);
    }
}

TEST(Guards, ShortMainRodStillGivesACrosshead)
{
    MechanismModel m = StartedModel();
    m.SetDim(3, 0.5f);
    SolveAt(m, m.RevArmCentre, 90.0f);
    EXPECT_TRUE(m.MechanismError);
    EXPECT_NEAR(m.Pivots[Crosshead].x, m.Pivots[CrankPin].x + std::sqrt(1.5 * 1.5 - 0.5 * 0.5), 1e-5);
    EXPECT_EQ(m.Frame.MainRodLen, 0.5f);
}

TEST(Guards, ZeroStrokeDoesNotDivideByZero)
{
    MechanismModel m = StartedModel();
    m.SetDim(2, 0.0f);
    SolveAt(m, m.RevArmCentre, 30.0f);
    EXPECT_TRUE(m.MechanismError);
    EXPECT_EQ(m.Frame.Stroke, 0.0f);
    for (const Pivot& p : m.Pivots) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    EXPECT_TRUE(std::isfinite(m.Ports.PistonTravel));
    EXPECT_TRUE(std::isfinite(m.Ports.FrontSteamOpening));
}

// Impossible designs raise the error when the beep is on and never when it is off.
TEST(Guards, ErrorFollowsTheBeepSwitchOverATurn)
{
    const std::vector<std::function<void(MechanismModel&)>> breakages = {
        [](MechanismModel& m) { m.SetDim(3, 0.5f); },
        [](MechanismModel& m) { m.SetDim(2, 0.0f); },
        [](MechanismModel& m) { m.SetDim(4, 0.0f); },
        [](MechanismModel& m) { m.SetDim(12, 0.5f); },
        [](MechanismModel& m) { m.RevArmCentre += 5.0f; },
    };
    for (size_t i = 0; i < breakages.size(); ++i) {
        for (bool beep : {true, false}) {
            MechanismModel m = StartedModel();
            breakages[i](m);
            m.ErrorBeepOn = beep;
            for (float angle = 0; angle <= 360; angle += 15) SolveAt(m, m.RevArmCentre, angle);
            EXPECT_EQ(m.MechanismError, beep) << "breakage " << i;
        }
    }
}

TEST(Solver, BellCrankValveArmGeometry)
{
    MechanismModel m = StartedModel();
    SolveAt(m, ForwardGear(m), 40.0f);
    const Pivot p7 = m.Pivots[BellCrankPivotCopy], p8 = m.Pivots[BellCrankYokePin], p5 = m.Pivots[BellCrankValvePin];
    EXPECT_NEAR(Dist(p5, p7), 1.12, 1e-5);
    const double dot = (double(p5.x) - p7.x) * (double(p8.x) - p7.x) + (double(p5.y) - p7.y) * (double(p8.y) - p7.y);
    EXPECT_NEAR(dot, 0.0, 1e-5);
    EXPECT_LT(p5.y, p7.y);  // the vertical arm hangs down

    m.SetDim(16, 0.3f);
    SolveAt(m, ForwardGear(m), 40.0f);
    EXPECT_NEAR(Dist(m.Pivots[BellCrankValvePin], p7), std::hypot(1.12, 0.3), 1e-5);
    EXPECT_LT(m.Pivots[BellCrankValvePin].x, p5.x);  // set back towards the rear

    m.SetDim(16, 0.0f);
    m.SetDim(15, -1.12f);
    SolveAt(m, ForwardGear(m), 40.0f);
    EXPECT_NEAR(m.Pivots[BellCrankValvePin].x, 2 * p7.x - p5.x, 1e-5);  // turned upwards
    EXPECT_NEAR(m.Pivots[BellCrankValvePin].y, 2 * p7.y - p5.y, 1e-5);
}

// A guide-link centre behind the reverse-arm pin turns the principal arctangent round: the
// top pin comes out mirrored through the pin it is built from, off the guide-link arc, and
// no error is raised for it.
TEST(Solver, ReversedLayoutGivesTheMirrorPointWithoutError)
{
    MechanismModel m = StartedModel();
    m.SetDim(11, -2.0f);
    SolveAt(m, m.RevArmCentre, 0.0f);
    EXPECT_FALSE(m.MechanismError);

    const Pivot p15 = m.Pivots[RevArmAuxPin], p12 = m.Pivots[GuideLinkCentre];
    const double diag = m.AuxRodDiag, radius = m.Frame.GuideLinkRadius;
    const double d = Dist(p15, p12);
    const double t = (d * d + diag * diag - radius * radius) / (2 * d * diag);
    const double a = std::atan2(double(p15.y) - p12.y, double(p12.x) - p15.x) - Pi / 2 + std::asin(t);
    const Pivot onArc = {float(p15.x + diag * std::cos(a)), float(p15.y - diag * std::sin(a))};
    ASSERT_NEAR(Dist(onArc, p12), radius, 1e-4);

    const Pivot& p13 = m.Pivots[HangerTopPin];
    EXPECT_NEAR(p13.x, 2 * p15.x - onArc.x, 1e-4);
    EXPECT_NEAR(p13.y, 2 * p15.y - onArc.y, 1e-4);
    EXPECT_GT(std::fabs(Dist(p13, p12) - radius), 1.0);
}

// What one solve and its openings give out.
struct Solved {
    std::array<Pivot, PivotCount> pivots;
    float auxRodDiag, radHangerAngle;
    EventLevels levels;
    PortState ports;
    bool error;
};

Solved SolvedOf(const MechanismModel& m)
{
    return {m.Pivots, m.AuxRodDiag, m.RadHangerAngle, m.Levels, m.Ports, m.MechanismError};
}

bool SameBits(const Solved& a, const Solved& b)
{
    return std::memcmp(&a.pivots, &b.pivots, sizeof a.pivots) == 0 &&
           std::memcmp(&a.auxRodDiag, &b.auxRodDiag, sizeof(float)) == 0 &&
           std::memcmp(&a.radHangerAngle, &b.radHangerAngle, sizeof(float)) == 0 &&
           std::memcmp(&a.levels, &b.levels, sizeof a.levels) == 0 &&
           std::memcmp(&a.ports, &b.ports, sizeof a.ports) == 0 && a.error == b.error;
}

// Solves a copy of the model on a thread of its own, where nothing is left of earlier solves.
Solved SolvedAfresh(MechanismModel m, float revArm, float angle)
{
    Solved s;
    std::thread([&] {
        m.MechanismError = false;
        SolveAt(m, revArm, angle);
        s = SolvedOf(m);
    }).join();
    return s;
}

// The solver keeps what depends only on the dimensions and the gear between solves; a change
// of any dimension, fulcrum or the gear must reach the next solve all the same.
TEST(Solver, EveryChangeReachesTheNextSolve)
{
    for (int code = 1; code <= 117; ++code) {
        if (!MechanismModel::IsDimCode(code)) continue;
        MechanismModel m = StartedModel();
        SolveAt(m, ForwardGear(m), 40.0f);
        const Solved before = SolvedOf(m);
        m.SetDim(code, m.GetDim(code) * 1.07f + 0.05f);
        m.MechanismError = false;
        SolveAt(m, ForwardGear(m), 40.0f);
        EXPECT_TRUE(SameBits(SolvedOf(m), SolvedAfresh(m, ForwardGear(m), 40.0f))) << "code " << code;
        if (code != 1 && code < 25) {
            EXPECT_FALSE(SameBits(SolvedOf(m), before)) << "code " << code;
        }
    }
    MechanismModel m = StartedModel();
    for (float gear : {ForwardGear(m), ReverseGear(m), m.RevArmCentre}) {
        SolveAt(m, gear, 40.0f);
        EXPECT_TRUE(SameBits(SolvedOf(m), SolvedAfresh(m, gear, 40.0f))) << "gear " << gear;
    }
}

// Two designs solved turn about give what each gives on its own.
TEST(Solver, DesignsSolvedTurnAboutAreIndependent)
{
    MechanismModel a = StartedModel(), b = StartedModel();
    b.SetDim(9, 3.9f);
    b.SetDim(22, 2.1f);
    b.CalcMidGear();
    for (float angle = 0; angle < 360; angle += 45) {
        SolveAt(a, ForwardGear(a), angle);
        SolveAt(b, ReverseGear(b), angle);
        EXPECT_TRUE(SameBits(SolvedOf(a), SolvedAfresh(a, ForwardGear(a), angle))) << angle;
        EXPECT_TRUE(SameBits(SolvedOf(b), SolvedAfresh(b, ReverseGear(b), angle))) << angle;
    }
}

// A guard that bends a value of the reverse-arm side bends it in every solve of that gear,
// and the error follows the beep switch of each solve.
TEST(Guards, BentGearValueRaisesOnEverySolveOfTheGear)
{
    MechanismModel m = StartedModel();
    m.SetDim(20, 0.0f);  // no horizontal reach-rod arm to divide by
    m.ErrorBeepOn = false;
    SolveAt(m, m.RevArmCentre, 0.0f);
    EXPECT_FALSE(m.MechanismError);
    m.ErrorBeepOn = true;
    for (float angle : {10.0f, 20.0f, 20.0f}) {
        m.MechanismError = false;
        SolveAt(m, m.RevArmCentre, angle);
        EXPECT_TRUE(m.MechanismError) << angle;
    }
}

// Whole turns added to the driver angle leave the linkage where it was.
TEST(Solver, WholeTurnsLeaveTheLinkageInPlace)
{
    MechanismModel m = StartedModel();
    for (float angle : {0.0f, 40.0f, 95.5f, 300.0f}) {
        SolveAt(m, ForwardGear(m), angle);
        const auto once = m.Pivots;
        for (float turns : {-1.0f, 2.0f, 10.0f, 1000.0f}) {
            SolveAt(m, ForwardGear(m), angle + 360 * turns);
            for (int i = CrankPin; i <= RevArmTop; ++i) {
                EXPECT_NEAR(m.Pivots[i].x, once[i].x, 1e-5) << "pivot " << i << " at " << angle << " + " << turns;
                EXPECT_NEAR(m.Pivots[i].y, once[i].y, 1e-5) << "pivot " << i << " at " << angle << " + " << turns;
            }
        }
    }
    EXPECT_FALSE(m.MechanismError);
}

}  // namespace
}  // namespace zeph
