// The mechanism error flag: raised for every solve that leaves a value that is not a number,
// as well as for bent constructions, and never for a sound design.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "model/design/FrameLimits.h"

namespace zeph {
namespace {

using test::SolveAt;
using test::StartedModel;

constexpr float FloatMax = std::numeric_limits<float>::max();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

bool Finite(std::initializer_list<float> values)
{
    for (float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Whether every value the solve and the openings give out is a number: the solved pivots,
// the hanger angle, the event levels and the port state.
bool OutputsFinite(const MechanismModel& m)
{
    for (int i : {CrankPin, Crosshead, ValveJoint, BellCrankValvePin, BellCrankYokePin, EccRodFrontEnd, HangerJoint,
                  EccCrankPin, HangerTopPin, AuxRodCorner, RevArmAuxPin, RevArmTop})
        if (!Finite({m.Pivots[i].x, m.Pivots[i].y})) return false;
    const EventLevels& L = m.Levels;
    const PortState& p = m.Ports;
    return Finite({m.RadHangerAngle, L.FrontSteamOpenLevel, L.FrontSteamMaxLevel, L.FrontExhaustOpenLevel,
                   L.RearSteamOpenLevel, L.RearSteamMaxLevel, L.RearExhaustOpenLevel, L.ValveTravel, L.LeadFrontBase,
                   L.LeadRearBase, L.LapFrontBase, L.LapRearBase, L.ExClFrontBase, L.ExClRearBase, p.PistonTravel,
                   p.FrontSteamOpening, p.FrontExhaustOpening, p.RearSteamOpening, p.RearExhaustOpening});
}

// What a sweep of gears and driver angles met: solves with the error raised, with some
// value not a number, and with exactly one of the two.
struct Tally {
    int solves = 0, raised = 0, nonFinite = 0, raisedButFinite = 0, nonFiniteButQuiet = 0;
};

// Mid gear, normal and full gear each way, each at 48 driver angles; the flag is cleared
// before every solve.
Tally Sweep(MechanismModel& m)
{
    Tally t;
    const float c = m.RevArmCentre, norm = m.Frame.RevArmNorm, max = m.Frame.RevArmMax;
    for (float gear : {c, c + norm, c - norm, c + max, c - max}) {
        for (float angle = 0; angle < 360; angle += 7.5f) {
            m.MechanismError = false;
            SolveAt(m, gear, angle);
            const bool finite = OutputsFinite(m);
            ++t.solves;
            t.raised += m.MechanismError;
            t.nonFinite += !finite;
            t.raisedButFinite += m.MechanismError && finite;
            t.nonFiniteButQuiet += !m.MechanismError && !finite;
        }
    }
    return t;
}

// The default design with every length multiplied by k: the same linkage at another scale.
MechanismModel ScaledDefault(float k)
{
    MechanismModel m = StartedModel();
    for (int code = 1; code <= 117; ++code)
        if (MechanismModel::IsDimCode(code) && code != 25) m.SetDim(code, m.GetDim(code) * k);
    m.CalcMidGear();
    return m;
}

TEST(MechanismError, NeverForTheDefaultDesignAtAnyAngleAndGear)
{
    MechanismModel m = StartedModel();
    const ArmBarSpan span = ReverseArmBarSpan(m.Frame);
    for (int bar = span.minimum; bar <= span.maximum; bar += 10) {
        const float gear = m.RevArmCentre + bar / 1000.0f;
        for (int tenth = 0; tenth <= 3601; tenth += 5) {
            SolveAt(m, gear, tenth / 10.0f);
            ASSERT_TRUE(OutputsFinite(m)) << "bar " << bar << " angle " << tenth / 10.0;
            ASSERT_FALSE(m.MechanismError) << "bar " << bar << " angle " << tenth / 10.0;
        }
    }
}

// Designs in which no guard ever bends a value: the error is raised exactly when some value
// is not a number.
TEST(MechanismError, RaisedExactlyWhenAValueIsNotANumber)
{
    struct Case {
        std::string name;
        std::function<MechanismModel()> make;
        bool someNonFinite, someFinite;  // what the sweep must meet
    };
    const std::vector<Case> cases = {
        {"the default design scaled down", [] { return ScaledDefault(1e-3f); }, false, true},
        {"the default design scaled near the float limit", [] { return ScaledDefault(1e36f); }, false, true},
        // The crosshead runs past the largest float while the crank pin is ahead of the axle.
        {"a main rod of the largest float in a design near the limit",
         [] {
             MechanismModel m = ScaledDefault(2e37f);
             m.SetDim(3, FloatMax);
             return m;
         },
         true, true},
        // Every joint-referred base and the valve travel overflow; the pivots stay finite.
        {"a valve bore beyond the float range",
         [] {
             MechanismModel m = StartedModel();
             m.SetDim(101, FloatMax);
             m.SetDim(117, -FloatMax / 2);
             return m;
         },
         true, false},
        {"a port offset that is not a number",
         [] {
             MechanismModel m = StartedModel();
             m.SetDim(111, NaN);
             return m;
         },
         true, false},
        // Only the piston travel overflows.
        {"a main rod of minus half the largest float",
         [] {
             MechanismModel m = StartedModel();
             m.SetDim(3, -FloatMax / 2);
             return m;
         },
         true, false},
        {"dimensions that no solve reads, not numbers",
         [] {
             MechanismModel m = StartedModel();
             for (int code : {1, 103, 104, 105, 106, 107, 109, 110}) m.SetDim(code, NaN);
             return m;
         },
         false, true},
    };
    for (const Case& c : cases) {
        MechanismModel m = c.make();
        const Tally t = Sweep(m);
        EXPECT_EQ(t.raisedButFinite, 0) << c.name;
        EXPECT_EQ(t.nonFiniteButQuiet, 0) << c.name;
        EXPECT_EQ(t.nonFinite > 0, c.someNonFinite) << c.name;
        EXPECT_EQ(t.nonFinite < t.solves, c.someFinite) << c.name;
    }
}

// A value that overflows only in the openings is flagged by the openings, not the solve.
TEST(MechanismError, OpeningsFlagTheirOwnValues)
{
    MechanismModel m = StartedModel();
    m.SetDim(3, -FloatMax / 2);
    m.DriverAngle = 30;
    SolveLinkage(m);
    EXPECT_FALSE(m.MechanismError);
    CalcPortOpenings(m);
    EXPECT_FALSE(std::isfinite(m.Ports.PistonTravel));
    EXPECT_TRUE(m.MechanismError);
}

// Zero, negative, near-limit and not-a-number values of every dimension the solver reads,
// one at a time: whatever the guards make of them, a value that is not a number raises the
// error, and with the beep off nothing does.
TEST(MechanismError, OddDimensionsNeverLeaveAValueThatIsNotANumberUnflagged)
{
    const int codes[] = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,  14,  15,  16,  17, 18, 19,
                         20, 21, 22, 23, 24, 102, 108, 101, 111, 112, 113, 114, 115, 116, 117};
    const float values[] = {0.0f, -2.5f, FloatMax, -FloatMax, FloatMax / 3, NaN};
    int nonFinite = 0;
    for (int code : codes) {
        for (float v : values) {
            for (bool beep : {true, false}) {
                MechanismModel m = StartedModel();
                m.SetDim(code, v);
                m.CalcMidGear();
                m.ErrorBeepOn = beep;
                const Tally t = Sweep(m);
                if (beep)
                    EXPECT_EQ(t.nonFiniteButQuiet, 0) << "code " << code << " value " << v;
                else
                    EXPECT_EQ(t.raised, 0) << "code " << code << " value " << v;
                nonFinite += beep ? t.nonFinite : 0;
            }
        }
    }
    EXPECT_GT(nonFinite, 0);
}

}  // namespace
}  // namespace zeph
