// Presses on the picture through the session: reference points, pivot-data slots, and the lines dialog coming back after a pick.
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "model/tick/AnimationTick.h"
#include "RecordingSound.h"
#include "ui/session/Session.h"
#include "render/scene/SceneGeometry.h"

using namespace zeph;

namespace {

using B = OverlayControl::PressButton;

// The start view maps model (x, y) to pixel (115 + 28 x, 270 - 28 y).
class PicturePressTest : public ::testing::Test {
protected:
    void SetUp() override { SolveAndMap(m); }

    const Pivot& Ref(int n) const { return m.Pivots[n == 1 ? RefPoint1 : RefPoint2]; }
    // Places a line's three choices (type line, colour black) with reference points set first.
    void ChooseLine(int reference)
    {
        session.View().SetReferencePoints(1, 1, 2, 2);  // also switches the reference points on
        session.Overlay().ChooseLineType(0);
        session.Overlay().ChooseLineColour(0);
        session.Overlay().ChooseLineReference(reference);
    }

    MechanismModel m;
    RecordingSound sound;
    Session session{m, sound};
    QSignalSpy opened{&session, &Session::linesDialogRequested};
    QSignalSpy closing{&session, &Session::linesDialogClosing};
};

}  // namespace

TEST_F(PicturePressTest, ReferencePointsFollowPressesInThePictureOnlyWhileOn)
{
    session.Overlay().PicturePressed(B::Left, 171, 242);
    EXPECT_EQ(Ref(1).x, 0.0f);

    session.View().ToggleReferencePoints();
    session.Overlay().PicturePressed(B::Left, 171, 242);
    EXPECT_FLOAT_EQ(Ref(1).x, 2.0f);
    EXPECT_FLOAT_EQ(Ref(1).y, 1.0f);
    EXPECT_TRUE(session.controls().refZeroEnabled[0]);
    EXPECT_FALSE(session.controls().refZeroEnabled[1]);
    session.Overlay().PicturePressed(B::Right, 87, 326);
    EXPECT_FLOAT_EQ(Ref(2).x, -1.0f);
    EXPECT_FLOAT_EQ(Ref(2).y, -2.0f);
    EXPECT_TRUE(session.controls().refZeroEnabled[1]);
    EXPECT_FLOAT_EQ(Ref(1).x, 2.0f);

    // The control strip: above 68 everywhere, above 121 left of the reference-point controls.
    session.Overlay().PicturePressed(B::Left, 247, 120);
    session.Overlay().PicturePressed(B::Left, 600, 67);
    EXPECT_FLOAT_EQ(Ref(1).x, 2.0f);
    session.Overlay().PicturePressed(B::Left, 248, 68);
    EXPECT_FLOAT_EQ(Ref(1).x, (248 - 115) / 28.0f);
    session.Overlay().PicturePressed(B::Left, 10, 121);
    EXPECT_FLOAT_EQ(Ref(1).y, (270 - 121) / 28.0f);
    // Neither left nor right: nothing moves.
    session.Overlay().PicturePressed(B::Other, 171, 242);
    EXPECT_FLOAT_EQ(Ref(1).x, (10 - 115) / 28.0f);
}

TEST_F(PicturePressTest, PivotDataSwitchesTheReferencePointsOnAndScreenDataOffSwitchesItOff)
{
    session.Overlay().TogglePivotData();
    EXPECT_TRUE(m.PivotDataOn);
    EXPECT_TRUE(m.RefPointsOn);
    session.Overlay().TogglePivotData();
    EXPECT_FALSE(m.PivotDataOn);
    EXPECT_TRUE(m.RefPointsOn);
    session.Overlay().TogglePivotData();
    session.Display().Toggle(DisplayOption::ScreenData);
    EXPECT_FALSE(m.PivotDataOn);
    EXPECT_FALSE(m.RefPointsOn);
}

TEST_F(PicturePressTest, SlotNumberThenAPressNearAPivotWatchesIt)
{
    session.Overlay().TogglePivotData();
    session.Overlay().PicturePressed(B::Left, 10, 165);  // slot 2's number
    EXPECT_TRUE(m.PivotData.AwaitingPivot);
    EXPECT_EQ(m.PivotData.SlotAwaitingPivot, 2);
    EXPECT_TRUE(m.PivotData.PivotSlotShown[2]);

    const ScreenPt crosshead = MapScene(m).pivots[Crosshead];
    session.Overlay().PicturePressed(B::Right, crosshead.x + 2, crosshead.y);  // the right button picks nothing
    EXPECT_TRUE(m.PivotData.AwaitingPivot);
    session.Overlay().PicturePressed(B::Left, crosshead.x + 2, crosshead.y - 1);
    EXPECT_FALSE(m.PivotData.AwaitingPivot);
    EXPECT_EQ(m.PivotData.PivotSlot[2], float(Crosshead));
    EXPECT_FLOAT_EQ(Ref(1).x, (crosshead.x + 2 - 115) / 28.0f);
}

TEST_F(PicturePressTest, PickInTheStripStillMovesReferencePointOneAndTheSameSlotPressChoosesAgain)
{
    session.Overlay().TogglePivotData();
    session.Overlay().PicturePressed(B::Left, 10, 155);  // slot 1
    // A press on slot 3's number while slot 1 waits: slot 1 takes the pivot nearest to that
    // point, and slot 3 is chosen by the same press.
    session.Overlay().PicturePressed(B::Left, 10, 175);
    EXPECT_NE(m.PivotData.PivotSlot[1], 0.0f);
    EXPECT_FLOAT_EQ(Ref(1).x, (10 - 115) / 28.0f);
    EXPECT_TRUE(m.PivotData.AwaitingPivot);
    EXPECT_EQ(m.PivotData.SlotAwaitingPivot, 3);

    // A pick in the strip's top band, where a press alone never moves reference point 1.
    session.Overlay().PicturePressed(B::Left, 200, 30);
    EXPECT_FALSE(m.PivotData.AwaitingPivot);
    EXPECT_FLOAT_EQ(Ref(1).x, (200 - 115) / 28.0f);
}

TEST_F(PicturePressTest, LineOnOnePivotComesBackWithTheLeftPress)
{
    ChooseLine(1);
    EXPECT_EQ(closing.count(), 1);
    EXPECT_TRUE(m.LinePromptOn);
    session.Overlay().PicturePressed(B::Right, 300, 300);
    EXPECT_EQ(opened.count(), 0);
    session.Overlay().PicturePressed(B::Left, 300, 300);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(sound.beeps, 0);
    // Without the reference points the press is not a pick.
    session.View().ToggleReferencePoints();
    session.Overlay().PicturePressed(B::Left, 300, 300);
    EXPECT_EQ(opened.count(), 1);
}

TEST_F(PicturePressTest, ReopeningBeepsWhenBothReferencePointsAreAtTheOrigin)
{
    ChooseLine(1);
    session.View().ZeroReferencePoint(2);
    session.Overlay().PicturePressed(B::Left, 115, 270);  // the driver centre: model (0, 0)
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(sound.beeps, 1);
}

TEST_F(PicturePressTest, LineOnTwoPivotsComesBackWithARightPressAfterALeftOne)
{
    ChooseLine(3);
    EXPECT_EQ(closing.count(), 1);
    session.Overlay().PicturePressed(B::Right, 300, 300);  // no left press came first
    EXPECT_EQ(opened.count(), 0);
    session.Overlay().PicturePressed(B::Left, 310, 300);
    EXPECT_EQ(opened.count(), 0);
    session.Overlay().PicturePressed(B::Right, 320, 300);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_FALSE(m.PivotData.LeftPressedForLines);
    session.Overlay().PicturePressed(B::Right, 320, 300);
    EXPECT_EQ(opened.count(), 1);
}

TEST_F(PicturePressTest, MenuOpeningBeepsFirstWhileTheReferencePointsAreAtTheOrigin)
{
    session.Overlay().RequestLinesDialog();
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(opened.count(), 1);
    session.View().SetReferencePoints(0, 0.5f, 0, 0);
    session.Overlay().RequestLinesDialog();
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(opened.count(), 2);
}
