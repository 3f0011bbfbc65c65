// The animation tick's own steps: the warning of a linkage that cannot close.
#include <gtest/gtest.h>

#include <vector>

#include "TickSupport.h"

namespace zeph {
namespace {

TEST(AnimationTick, ErrorIndicatorShowsNineTicksThenSoundsAndClears)
{
    MechanismModel m;
    m.StartUp();
    test::Heard heard;
    std::vector<bool> shown;
    m.MechanismError = true;
    for (int tick = 1; tick <= 21; ++tick) {
        const TickEvents events = test::TickInPlace(m, &heard);
        if (events.errorIconVisible) shown.push_back(*events.errorIconVisible);
        if (tick <= 20) m.MechanismError = true;  // not raised again by the solver here
        if (tick == 9) {
            EXPECT_EQ(shown.size(), 9u);
            EXPECT_TRUE(heard.plays.empty());
        }
        if (tick == 10) {
            ASSERT_EQ(heard.plays.size(), 1u);
            EXPECT_EQ(heard.plays[0].file, "Error.wav");
            EXPECT_FALSE(shown.back());
        }
    }
    EXPECT_EQ(m.ErrorTicks, 0);
    EXPECT_FALSE(m.MechanismError);
}

}  // namespace
}  // namespace zeph
