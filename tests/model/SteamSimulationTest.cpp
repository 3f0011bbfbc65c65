// The steam of each cylinder end from tick to tick: densities, dot counts and exhaust beats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "TickSupport.h"
#include "model/tick/SteamSimulation.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {
namespace {

class SteamSimulationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m.StartUp();
        m.SteamDisplayOn = true;
    }

    // The tick's state at an angle, the angle left where it is.
    void TickAt(float angle)
    {
        m.DriverAngle = angle;
        test::TickInPlace(m, &heard);
    }

    MechanismModel m;
    test::Heard heard;
};

TEST_F(SteamSimulationTest, DensitiesGrowInAdmissionFallInExhaustAndStayInRange)
{
    m.StepAngle = 45;
    m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmMax;
    float highest = 0;
    for (int i = 0; i < 200; ++i) {
        TickAt(static_cast<float>((i * 7) % 360));
        EXPECT_GE(m.Steam.FrontDensity, 25);
        EXPECT_LE(m.Steam.FrontDensity, 2000);
        highest = std::max(highest, m.Steam.FrontDensity);
    }
    EXPECT_GT(highest, 100);

    m.Steam.FrontDensity = std::nanf("");
    m.Steam.RearDensity = 1e9f;
    m.StepAngle = 0;
    TickAt(0);
    EXPECT_FLOAT_EQ(m.Steam.FrontDensity, 25);
    EXPECT_FLOAT_EQ(m.Steam.RearDensity, 2000);
}

TEST_F(SteamSimulationTest, ExhaustBeatsPlayOnOpeningWithTheOtherEndsLoudness)
{
    m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmNorm;
    m.StepAngle = 10;
    for (int i = 0; i < 72; ++i) TickAt(static_cast<float>((i * 10) % 360));
    ASSERT_GE(heard.plays.size(), 3u);
    for (const auto& p : heard.plays) EXPECT_EQ(p.file, "Exhaust.wav");
    // The first beat keeps the start volume: the other end has no saved density yet.
    EXPECT_FALSE(heard.plays[0].volume.has_value());
    // Later beats take their volume from the density table.
    const std::set<uint32_t> table = {0x07000700u, 0x14001400u, 0x28002800u, 0x40004000u,
                                      0x50005000u, 0x60006000u, 0x70007000u, 0x80008000u};
    for (size_t i = 1; i < heard.plays.size(); ++i)
        EXPECT_TRUE(heard.plays[i].volume && table.count(*heard.plays[i].volume)) << i;
    EXPECT_GT(heard.volumeChanges, 1);
}

TEST_F(SteamSimulationTest, NoBeatIsArmedWhileADimensionPointerShows)
{
    m.GraphicDimCode = 3;
    for (int i = 0; i < 72; ++i) TickAt(static_cast<float>((i * 10) % 360));
    EXPECT_TRUE(heard.plays.empty());
    EXPECT_NE(m.Steam.FrontExhaustArmed, '1');
    EXPECT_NE(m.Steam.RearExhaustArmed, '1');
}

// A view opened from a design file may hold any zoom: the steam never asks for more dots than
// the most magnified view of the zoom bar shows, so the picture of such a view still comes at once.
TEST_F(SteamSimulationTest, AnAbsurdZoomAsksForNoMoreSteamDotsThanTheLargestZoom)
{
    m.Steam.FrontDensity = m.Steam.RearDensity = 2000;
    for (float zoom : {1e30f, 3000.0f}) {
        m.ViewScale = zoom;
        TickAt(0);
        EXPECT_EQ(m.Steam.FrontDots, RoundInt(2000 * 3000 / 18.5L)) << zoom;
    }
    m.ViewScale = std::nanf("");
    TickAt(0);
    EXPECT_EQ(m.Steam.FrontDots, 0);
}

TEST(BeatVolume, FollowsTheDensityTable)
{
    EXPECT_EQ(BeatVolume(23), 0u);
    EXPECT_EQ(BeatVolume(24), 0x07000700u);
    EXPECT_EQ(BeatVolume(100), 0x07000700u);
    EXPECT_EQ(BeatVolume(101), 0x14001400u);
    EXPECT_EQ(BeatVolume(1200), 0x70007000u);
    EXPECT_EQ(BeatVolume(2001), 0x80008000u);
    EXPECT_EQ(BeatVolume(2002), 0u);
}

}  // namespace
}  // namespace zeph
