// The cut-offs the readouts show, measured tick by tick as the animation runs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "TickSupport.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"

namespace zeph {
namespace {

class CutoffTrackingTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    // Runs a whole forward turn at a step and returns the last cut-off texts.
    std::pair<double, double> CutoffsOverATurn(float step)
    {
        m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmNorm;
        m.StepAngle = step;
        const int steps = static_cast<int>(std::lround(360 / step)) + 2;
        for (int i = 0; i <= steps; ++i) {
            m.DriverAngle = std::fmod(i * step, 360.0f);
            test::TickInPlace(m);
        }
        return {std::stod(m.FrontCutoffText), std::stod(m.RearCutoffText)};
    }

    MechanismModel m;
};

TEST_F(CutoffTrackingTest, AgreeWithTheReportAtAFineStepAndStayCloseAtCoarseOnes)
{
    const auto fine = CutoffsOverATurn(0.1f);
    // The same turn swept the companion report's way, with the shared event-crossing rule.
    MechanismModel ref;
    ref.StartUp();
    ref.RevArmPosition = ref.RevArmCentre + ref.Frame.RevArmNorm;
    Real prevF = 0, prevR = 0, prevP = 0, front = -1, rear = -1;
    for (int k = 0; k <= 3600; ++k) {
        ref.DriverAngle = static_cast<float>(k * 0.1L);
        SolveLinkage(ref);
        CalcPortOpenings(ref);
        const PortState& p = ref.Ports;
        if (k > 0) {
            if (auto c = EventCrossing(Crossing::Falling, prevF, p.FrontSteamOpening, prevP, p.PistonTravel))
                front = FrontPercent(*c);
            if (auto c = EventCrossing(Crossing::Falling, prevR, p.RearSteamOpening, prevP, p.PistonTravel))
                rear = RearPercent(*c);
        }
        prevF = p.FrontSteamOpening;
        prevR = p.RearSteamOpening;
        prevP = p.PistonTravel;
    }
    EXPECT_NEAR(fine.first, front, 0.1);
    EXPECT_NEAR(fine.second, rear, 0.1);
    EXPECT_NEAR(CutoffsOverATurn(1).first, 77.6, 0.3);
    EXPECT_NEAR(CutoffsOverATurn(10).first, 77.6, 3);
    EXPECT_TRUE(m.Cutoff.FrontTicks > 0 || m.Cutoff.RearTicks > 0);  // still on screen after the turn
}

}  // namespace
}  // namespace zeph
