// One driver turn of the picture: every frame is what the window shows at that tick, the loop closes, the GIF holds it exactly.
#include <QImage>
#include <atomic>
#include <gtest/gtest.h>
#include <set>

#include "GifTestSupport.h"
#include "model/linkage/Guards.h"
#include "model/tick/AnimationTick.h"
#include "render/scene/GearAnimation.h"
#include "render/scene/ScenePainter.h"

using namespace zeph;

namespace {

class GearAnimationTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    std::vector<QImage> Frames(const AnimationSettings& s, AnimationRun* run = nullptr)
    {
        std::vector<QImage> frames;
        const AnimationRun r = AnimateGear(m, s, [&frames](const QImage& f) { frames.push_back(f); });
        if (run) *run = r;
        return frames;
    }

    // What the main window shows after `ticks` of its timer from the model as it stands,
    // running at `step` (its Tick: the session's tick, then the picture; a figure that could
    // not show raises the warning), cut to `size` from the top-left corner.
    QImage WindowAfter(int ticks, float step, QSize size, uint64_t seed) const
    {
        MechanismModel window = m;
        window.StepAngle = step;
        ScenePainter painter;
        painter.SetSteamSeed(seed);
        QImage scene;
        for (int t = 0; t < ticks; ++t) {
            SimulateTick(window);
            if (painter.Paint(scene, window)) RaiseMechanismError(window);
        }
        return scene.copy(QRect(QPoint(0, 0), size));
    }

    MechanismModel m;
};

TEST_F(GearAnimationTest, EachFrameIsWhatTheWindowShowsAtThatTickOfTheSecondTurn)
{
    for (const bool steam : {false, true}) {
        m.SteamDisplayOn = steam;
        m.DriverAngle = 35;  // not a multiple of the step: the turn starts where the driver stands
        AnimationSettings s;
        s.step = 10;
        const float before = m.DriverAngle;
        AnimationRun run;
        const std::vector<QImage> frames = Frames(s, &run);
        EXPECT_EQ(m.DriverAngle, before);
        ASSERT_EQ(frames.size(), 36u);
        EXPECT_EQ(run.frames, 36);
        EXPECT_FALSE(run.cancelled);
        for (int k : {0, 9, 35}) {
            ASSERT_EQ(frames[static_cast<size_t>(k)].size(), QSize(632, 380));
            EXPECT_EQ(frames[static_cast<size_t>(k)], WindowAfter(36 + k + 1, 10, s.size, s.steamSeed))
                << "steam " << steam << " frame " << k;
        }
        EXPECT_NE(frames[0], frames[18]);
    }
}

// The settling turn leaves the steam and the cut-off readouts where a turn brings them back:
// the tick after the last frame shows the first frame again, in forward and in back gear.
TEST_F(GearAnimationTest, TheLoopHasNoSeamWithSteamInBothDirections)
{
    m.SteamDisplayOn = true;
    for (const float offset : {m.Frame.RevArmNorm, -m.Frame.RevArmNorm}) {
        m.RevArmPosition = m.RevArmCentre + offset;
        m.Direction = offset > 0 ? RunDirection::Forward : RunDirection::Reverse;
        AnimationSettings s;
        s.step = 15;
        s.size = QSize(1280, 1024);
        const std::vector<QImage> frames = Frames(s);
        ASSERT_EQ(frames.size(), 24u);
        EXPECT_EQ(WindowAfter(2 * 24 + 1, 15, s.size, s.steamSeed), frames[0]) << offset;
        // The same model and settings give the same frames.
        EXPECT_EQ(Frames(s)[7], frames[7]);
    }
}

// No anti-aliasing in the scene: a turn with steam and every readout uses few enough colours
// for the exact palette, and the GIF gives every frame back pixel for pixel.
TEST_F(GearAnimationTest, TheGifOfATurnHoldsEveryFrameExactlyAndStaysSmall)
{
    m.SteamDisplayOn = true;
    m.RevArmPosition = m.RevArmCentre + m.Frame.RevArmNorm;
    AnimationSettings s;
    const std::vector<QImage> frames = Frames(s);
    std::set<QRgb> colours;
    for (const QImage& f : frames)
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x) colours.insert(f.pixel(x, y));
    EXPECT_LE(colours.size(), 256u);
    EXPECT_GT(colours.size(), 8u);

    const AnimationGif made = MakeAnimationGif(m, s);
    EXPECT_TRUE(made.gif.ExactColours());
    const QByteArray bytes = made.gif.Encode();
    EXPECT_LT(bytes.size(), 2 * 1024 * 1024);
    const test::DecodedGif d = test::DecodeGif(bytes);
    ASSERT_TRUE(d.ok);
    EXPECT_TRUE(d.loopsForever);
    ASSERT_EQ(d.frames.size(), frames.size());
    for (size_t k = 0; k < frames.size(); ++k) EXPECT_EQ(d.frames[k], frames[k]) << k;
    EXPECT_EQ(d.delays.front(), AnimationFrameDelay);
}

TEST_F(GearAnimationTest, StepsRoundToWholeFramesAndTheSizeStaysWithinTheScene)
{
    EXPECT_EQ(AnimationFrameCount(10), 36);
    EXPECT_EQ(AnimationFrameCount(7), 51);   // 51.4 frames: the nearest whole number
    EXPECT_EQ(AnimationFrameCount(0.01f), 360);
    EXPECT_EQ(AnimationFrameCount(1000), 2);
    AnimationSettings s;
    s.step = 180;
    s.size = QSize(5000, 64);
    const std::vector<QImage> frames = Frames(s);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].size(), QSize(1280, 64));
}

// A cancel stops at the next tick with what was recorded; progress counts both turns.
TEST_F(GearAnimationTest, ACancelStopsAtTheNextTickAndProgressCountsBothTurns)
{
    std::atomic<bool> cancel = false;
    long last = 0, total = 0;
    AnalysisControl control;
    control.cancel = &cancel;
    control.progress = [&](const AnalysisProgress& p) {
        last = p.done;
        total = p.total;
        if (p.done == 40) cancel = true;
    };
    AnimationSettings s;
    int frames = 0;
    const AnimationRun run = AnimateGear(m, s, [&frames](const QImage&) { ++frames; }, control);
    EXPECT_TRUE(run.cancelled);
    EXPECT_EQ(last, 40);
    EXPECT_EQ(total, 72);
    EXPECT_EQ(frames, 4);
    EXPECT_EQ(run.frames, 4);
}

}  // namespace
