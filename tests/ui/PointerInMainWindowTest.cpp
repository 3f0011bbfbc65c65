// The dimension pointer run by the main window: its view, cursor, end by a press, and no beats meanwhile.
#include <QTimer>
#include <gtest/gtest.h>

#include "RecordingSound.h"
#include "UiTestSupport.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"

using namespace zeph;

// ---- through the real main window -----------------------------------------------------------

namespace {

class PointerInMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { test::Child<QTimer>(window, "tickTimer")->stop(); }

    MechanismModel m;
    RecordingSound sound;
    Session session{m, sound};
    MainWindow window{session};
};

}  // namespace

TEST_F(PointerInMainWindowTest, TicksZoomInThenGiveTheViewBack)
{
    m.ViewScale = 31.5f;
    m.ViewPanX = 140.25f;
    m.GraphicDimCode = 3;
    window.Tick();
    EXPECT_EQ(m.ViewScale, 28.0f);
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);
    for (int i = 0; i < 1000; ++i) window.Tick();
    EXPECT_EQ(m.GraphicDimCode, 0);
    EXPECT_EQ(m.ViewScale, 31.5f);
    EXPECT_EQ(m.ViewPanX, 140.25f);
    EXPECT_EQ(m.ViewPanY, 270.0f);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PointerInMainWindowTest, MousePressEndsItAtTheNextTick)
{
    m.ViewScale = 35;
    m.GraphicDimCode = 8;
    window.Tick();
    EXPECT_EQ(m.ViewScale, 40.0f);
    session.Overlay().PicturePressed(true, 10, 200);
    window.Tick();
    EXPECT_EQ(m.GraphicDimCode, 0);
    EXPECT_EQ(m.ViewScale, 35.0f);
}

TEST_F(PointerInMainWindowTest, NoExhaustBeatIsArmedWhileItShows)
{
    m.SteamDisplayOn = true;
    m.GraphicDimCode = 103;
    for (int i = 0; i < 120; ++i) {
        window.Tick();
        EXPECT_NE(m.Steam.FrontExhaustArmed, '1');
        EXPECT_NE(m.Steam.RearExhaustArmed, '1');
    }
    EXPECT_TRUE(sound.plays.empty());
}
