// Placing user lines and circles: refusals, conversion to pivot offsets, rows, slot advance, and what slots draw.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/overlay/LineOverlay.h"
#include "ModelTestSupport.h"

namespace zeph {
namespace {

enum { Line = 0, Circle = 1 };
enum { Black = 0, Red = 1, Green = 2, Yellow = 3, Blue = 4, Gray = 5 };
enum { Fixed = 0, Pivot1 = 1, Piv1Fixed = 2, Piv1Piv2 = 3 };

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

class LineOverlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        m = test::StartedModel();
        test::SolveAt(m, m.RevArmCentre, 30);
    }

    void SetRefPoints(float x1, float y1, float x2, float y2)
    {
        m.Pivots[RefPoint1].x = x1;
        m.Pivots[RefPoint1].y = y1;
        m.Pivots[RefPoint2].x = x2;
        m.Pivots[RefPoint2].y = y2;
    }
    // Reference point 1 (or 2) a little away from a pivot, as a press near it puts it.
    void RefNear(int ref, int pivot, float dx, float dy)
    {
        m.Pivots[ref].x = m.Pivots[pivot].x + dx;
        m.Pivots[ref].y = m.Pivots[pivot].y + dy;
    }
    // Type, colour and reference chosen in that order; the last command's result.
    LineCommandResult Choose(int type, int colour, int reference)
    {
        EXPECT_FALSE(ChooseLineType(m, type).beep);
        EXPECT_FALSE(ChooseLineColour(m, colour).beep);
        return ChooseLineReference(m, reference);
    }
    const LineSlot& Slot(int s) const { return m.Lines[static_cast<size_t>(s)]; }
    const LineRowShown& Row(int s) const { return m.LineDialog.Rows[static_cast<size_t>(s)]; }
    void MoveTo(float angle) { test::SolveAt(m, m.RevArmPosition, angle); }

    MechanismModel m;
};

TEST_F(LineOverlay, ChoicesOutOfOrderOrWithoutReferencePointsBeepAndAreCleared)
{
    // Both reference points at the origin: nothing to place from.
    LineCommandResult r = ChooseLineType(m, Line);
    EXPECT_TRUE(r.beep);
    EXPECT_TRUE(r.closeDialog);
    EXPECT_EQ(m.LineDialog.TypeChoice, -1);
    EXPECT_EQ(Row(1).type, -1);

    SetRefPoints(1, 2, 3, 4);
    r = ChooseLineColour(m, Red);
    EXPECT_TRUE(r.beep);
    EXPECT_FALSE(r.closeDialog);
    EXPECT_EQ(m.LineDialog.ColourChoice, -1);

    EXPECT_FALSE(ChooseLineType(m, Circle).beep);
    EXPECT_EQ(Row(1).type, 1);
    r = ChooseLineReference(m, Fixed);
    EXPECT_TRUE(r.beep);
    EXPECT_EQ(m.LineDialog.ReferenceChoice, -1);
    EXPECT_FALSE(DrawCloseEnabled(m));
    EXPECT_EQ(Slot(1).refMode, -1.0f);
}

TEST_F(LineOverlay, FixedLineIsPlacedFromBothReferencePointsAndTheNextSlotBecomesCurrent)
{
    SetRefPoints(2, -1, 5.5f, 3);
    const LineCommandResult r = Choose(Line, Red, Fixed);
    EXPECT_FALSE(r.closeDialog);
    EXPECT_FALSE(m.LinePromptOn);
    EXPECT_TRUE(DrawCloseEnabled(m));
    EXPECT_EQ(Row(1).colour, 1);
    EXPECT_EQ(Row(1).reference, 0);

    const LineCommandResult done = DrawLineAndClose(m);
    EXPECT_TRUE(done.closeDialog);
    EXPECT_FALSE(done.beep);
    EXPECT_EQ(Slot(1).type, 0.0f);
    EXPECT_EQ(Slot(1).colour, 255.0f);
    EXPECT_EQ(Slot(1).refMode, 0.0f);
    const std::array<std::string, 4> boxes = {" -1.000", "  2.000", "  3.000", "  5.500"};
    EXPECT_EQ(Row(1).boxes, boxes);
    EXPECT_EQ(m.CurrentLineSlot, 2);
    EXPECT_EQ(m.LineDialog.TypeChoice, -1);
    EXPECT_EQ(m.LineDialog.ReferenceChoice, -1);

    const LineShape s = SlotShape(m, 1);
    ASSERT_EQ(s.kind, LineShape::Line);
    EXPECT_EQ(s.x1, 2.0L);
    EXPECT_EQ(s.y1, -1.0L);
    EXPECT_EQ(s.x2, 5.5L);
    EXPECT_EQ(s.y2, 3.0L);
}

TEST_F(LineOverlay, TwoPivotLineMovesAndStretchesWithBothPivots)
{
    RefNear(RefPoint1, Crosshead, 0.25f, 0.5f);
    RefNear(RefPoint2, ValveJoint, -0.125f, 0.375f);
    m.CurrentLineSlot = 4;
    const LineCommandResult r = Choose(Line, Blue, Piv1Piv2);
    EXPECT_TRUE(r.closeDialog);
    EXPECT_TRUE(m.LinePromptOn);
    EXPECT_TRUE(LinesAwaitTwoPivots(m));
    EXPECT_EQ(m.CurrentLineSlot, 3);  // stepped back while the pivots are picked

    ActivateLinesDialog(m);  // reopened after the left and right presses
    EXPECT_EQ(m.CurrentLineSlot, 4);
    EXPECT_EQ(Slot(4).pivot1, float(Crosshead));
    EXPECT_EQ(Slot(4).pivot2, float(ValveJoint));
    EXPECT_TRUE(DrawLineAndClose(m).closeDialog);
    EXPECT_FLOAT_EQ(Slot(4).x1, 0.25f);
    EXPECT_FLOAT_EQ(Slot(4).y1, 0.5f);
    EXPECT_FLOAT_EQ(Slot(4).x2, -0.125f);
    EXPECT_FLOAT_EQ(Slot(4).y2, 0.375f);
    EXPECT_EQ(Row(4).reference, 3);
    EXPECT_FALSE(m.LinePromptOn);

    double lengthBefore = 0;
    for (float angle : {30.0f, 100.0f, 200.0f}) {
        MoveTo(angle);
        const LineShape s = SlotShape(m, 4);
        ASSERT_EQ(s.kind, LineShape::Line);
        EXPECT_NEAR(double(s.x1), m.Pivots[Crosshead].x + 0.25, 1e-6);
        EXPECT_NEAR(double(s.y1), m.Pivots[Crosshead].y + 0.5, 1e-6);
        EXPECT_NEAR(double(s.x2), m.Pivots[ValveJoint].x - 0.125, 1e-6);
        EXPECT_NEAR(double(s.y2), m.Pivots[ValveJoint].y + 0.375, 1e-6);
        const double length = std::hypot(double(s.x1 - s.x2), double(s.y1 - s.y2));
        if (angle != 30.0f) {
            EXPECT_GT(std::fabs(length - lengthBefore), 0.01) << "stretches at " << angle;
        }
        lengthBefore = length;
    }
}

TEST_F(LineOverlay, PivotAndFixedLineTurnsAboutItsFixedEnd)
{
    RefNear(RefPoint1, HangerJoint, 0.1f, -0.2f);
    SetRefPoints(m.Pivots[RefPoint1].x, m.Pivots[RefPoint1].y, -3, 6);
    Choose(Line, Green, Piv1Fixed);
    ActivateLinesDialog(m);
    DrawLineAndClose(m);
    EXPECT_EQ(Slot(1).x2, -3.0f);
    EXPECT_EQ(Slot(1).y2, 6.0f);
    for (float angle : {0.0f, 90.0f, 250.0f}) {
        MoveTo(angle);
        const LineShape s = SlotShape(m, 1);
        ASSERT_EQ(s.kind, LineShape::Line);
        EXPECT_EQ(s.x2, -3.0L);
        EXPECT_EQ(s.y2, 6.0L);
        EXPECT_NEAR(double(s.x1), m.Pivots[HangerJoint].x + 0.1, 1e-6);
        EXPECT_NEAR(double(s.y1), m.Pivots[HangerJoint].y - 0.2, 1e-6);
    }
}

TEST_F(LineOverlay, OnePivotLineKeepsItsShapeAndTravelsWithThePivot)
{
    RefNear(RefPoint1, Crosshead, 0, 1);
    RefNear(RefPoint2, Crosshead, 2, 1);
    Choose(Line, Black, Pivot1);
    ActivateLinesDialog(m);
    DrawLineAndClose(m);
    MoveTo(120);
    const LineShape s = SlotShape(m, 1);
    EXPECT_NEAR(double(s.x2 - s.x1), 2.0, 1e-6);
    EXPECT_NEAR(double(s.y1), m.Pivots[Crosshead].y + 1.0, 1e-6);
    EXPECT_NEAR(double(s.x1), m.Pivots[Crosshead].x, 1e-6);
}

TEST_F(LineOverlay, CircleCarriedByAPivotAndTheFrameOrByTwoPivotsIsRefusedAndCleared)
{
    for (int mode : {Piv1Fixed, Piv1Piv2}) {
        SetRefPoints(1, 1, 2, 2);
        m.CurrentLineSlot = 6;
        const LineCommandResult r = Choose(Circle, Yellow, mode);
        EXPECT_TRUE(r.beep) << mode;
        EXPECT_FALSE(r.closeDialog);
        EXPECT_EQ(m.CurrentLineSlot, 6);
        EXPECT_EQ(Slot(6).type, -1.0f);
        EXPECT_EQ(Slot(6).refMode, -1.0f);
        EXPECT_EQ(Slot(6).x1, 0.0f);
        EXPECT_EQ(Row(6).type, -1);
        EXPECT_EQ(Row(6).reference, -1);
        EXPECT_FALSE(m.LinePromptOn);
        EXPECT_FALSE(DrawCloseEnabled(m));
        EXPECT_EQ(SlotShape(m, 6).kind, LineShape::None);
    }
}

TEST_F(LineOverlay, FixedCircleTakesItsRadiusFromTheReferencePointsAndLocksItsThirdBox)
{
    SetRefPoints(1, 2, 4, 6);  // 3-4-5 apart
    Choose(Circle, Gray, Fixed);
    EXPECT_FALSE(LineBoxTakesKeys(m, 1, 3));
    EXPECT_TRUE(LineBoxTakesKeys(m, 1, 4));
    EXPECT_TRUE(LineBoxTakesKeys(m, 2, 3));
    DrawLineAndClose(m);
    EXPECT_EQ(Slot(1).x2, 5.0f);
    const std::array<std::string, 4> boxes = {"  2.000", "  1.000", "", "  5.000"};
    EXPECT_EQ(Row(1).boxes, boxes);
    const LineShape s = SlotShape(m, 1);
    ASSERT_EQ(s.kind, LineShape::Circle);
    EXPECT_EQ(s.x1, 1.0L);
    EXPECT_EQ(s.y1, 2.0L);
    EXPECT_EQ(s.r, 5.0L);
}

TEST_F(LineOverlay, CircleOnAPivotTakesItsRadiusFromReferencePointOneAsItWasWhenOpened)
{
    RefNear(RefPoint1, CrankPin, 0, 0);
    RefNear(RefPoint2, CrankPin, 0, 2);
    ActivateLinesDialog(m);  // opened with no choice: reference point 1 remembered
    Choose(Circle, Red, Pivot1);
    // The pick's press moves reference point 1 before the dialog comes back.
    RefNear(RefPoint1, CrankPin, 0.5f, 0.5f);
    ActivateLinesDialog(m);
    EXPECT_EQ(Slot(1).pivot1, float(CrankPin));
    DrawLineAndClose(m);
    EXPECT_FLOAT_EQ(Slot(1).x2, 2.0f);
    MoveTo(90);
    const LineShape s = SlotShape(m, 1);
    ASSERT_EQ(s.kind, LineShape::Circle);
    EXPECT_NEAR(double(s.x1), m.Pivots[CrankPin].x, 1e-6);
    EXPECT_NEAR(double(s.y1), m.Pivots[CrankPin].y, 1e-6);
}

TEST_F(LineOverlay, AdvancingPastSlotTwentyBeepsAndStaysThere)
{
    SetRefPoints(1, 1, 2, 2);
    m.CurrentLineSlot = 19;
    Choose(Line, Black, Fixed);
    EXPECT_FALSE(DrawLineAndClose(m).beep);
    EXPECT_EQ(m.CurrentLineSlot, 20);
    Choose(Line, Red, Fixed);
    const LineCommandResult r = DrawLineAndClose(m);
    EXPECT_TRUE(r.beep);
    EXPECT_TRUE(r.closeDialog);
    EXPECT_EQ(m.CurrentLineSlot, 20);
    EXPECT_EQ(Slot(20).colour, 255.0f);
}

TEST_F(LineOverlay, ReopeningTheDialogAgainDoesNotMoveOnToAnotherSlot)
{
    SetRefPoints(m.Pivots[Crosshead].x, m.Pivots[Crosshead].y, 0, 5);
    m.CurrentLineSlot = 5;
    Choose(Line, Blue, Pivot1);
    ActivateLinesDialog(m);
    EXPECT_EQ(m.CurrentLineSlot, 5);
    // Closed with the window's own button, then opened by another press on the picture.
    ActivateLinesDialog(m);
    EXPECT_EQ(m.CurrentLineSlot, 5);
}

TEST_F(LineOverlay, RowClickClearLineAndCloseResetTheChoices)
{
    SetRefPoints(1, 1, 2, 2);
    Choose(Line, Black, Fixed);
    SelectLineRow(m, 7);
    EXPECT_EQ(m.CurrentLineSlot, 7);
    EXPECT_FALSE(DrawCloseEnabled(m));
    SelectLineRow(m, 21);
    EXPECT_EQ(m.CurrentLineSlot, 7);

    m.Lines[7] = {0, 255, 1, 1, 2, 3, 4, 3, 9, 9, 2, 8, 8};
    m.LineDialog.Rows[7].boxes = {"a", "b", "c", "d"};
    m.LineDialog.Rows[7].type = 0;
    Choose(Line, Black, Pivot1);
    ActivateLinesDialog(m);
    ClearLine(m);
    EXPECT_EQ(Slot(7).type, -1.0f);
    EXPECT_EQ(Slot(7).colour, -1.0f);
    EXPECT_EQ(Slot(7).pivot1, 0.0f);
    EXPECT_EQ(Slot(7).pivot2X, 0.0f);
    EXPECT_EQ(Row(7).boxes[0], "");
    EXPECT_EQ(Row(7).type, -1);
    EXPECT_FALSE(m.LinePromptOn);

    Choose(Line, Black, Piv1Fixed);
    EXPECT_TRUE(m.LinePromptOn);
    EXPECT_TRUE(CloseLinesDialog(m).closeDialog);
    EXPECT_FALSE(m.LinePromptOn);
    EXPECT_EQ(m.LineDialog.ReferenceChoice, -1);
}

TEST_F(LineOverlay, LeavingABoxStoresItsValueInTheFieldOfItsColumn)
{
    StoreLineBox(m, 3, 1, "1.5", 1.5f);
    StoreLineBox(m, 3, 2, "2.5", 2.5f);
    StoreLineBox(m, 3, 3, "3.5", 3.5f);
    StoreLineBox(m, 3, 4, "4.5", 4.5f);
    EXPECT_EQ(Slot(3).y1, 1.5f);
    EXPECT_EQ(Slot(3).x1, 2.5f);
    EXPECT_EQ(Slot(3).y2, 3.5f);
    EXPECT_EQ(Slot(3).x2, 4.5f);
    EXPECT_EQ(Row(3).boxes[2], "3.5");
    EXPECT_EQ(LineBoxValue(m, 3, 4), 4.5f);
    StoreLineBox(m, 0, 1, "9", 9);
    StoreLineBox(m, 3, 5, "9", 9);
    EXPECT_EQ(LineBoxValue(m, 21, 1), 0.0f);
}

TEST_F(LineOverlay, RefillShowsSlotsInUseAndEmptiesTheOthers)
{
    m.Lines[2] = {1, 8421504, 1, 0.5f, -0.25f, 3, 0, 11, 0, 0, 0, 0, 0};
    m.Lines[3] = {7, 12345, 9, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
    m.LineDialog.Rows[4].boxes = {"x", "y", "z", "w"};
    BlankLineCaptions(m);
    RefillLineRows(m);
    EXPECT_EQ(Row(2).type, 1);
    EXPECT_EQ(Row(2).colour, 5);
    EXPECT_EQ(Row(2).reference, 1);
    const std::array<std::string, 4> boxes = {" -0.250", "  0.500", "  0.000", "  3.000"};
    EXPECT_EQ(Row(2).boxes, boxes);
    EXPECT_EQ(Row(3).type, -1);  // values no choice names
    EXPECT_EQ(Row(3).colour, -1);
    EXPECT_EQ(Row(4).boxes[0], "");
}

TEST_F(LineOverlay, SlotsFromAFileThatHoldNoSenseDrawNothing)
{
    m.Lines[1] = {0, 255, 3, 0, 0, 1, 1, float(Crosshead), 0, 0, float(CrankPin), 0, 0};
    ASSERT_EQ(SlotShape(m, 1).kind, LineShape::Line);
    const LineSlot bad[] = {
        {2, 255, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0},           // type
        {NaN, 255, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0},         // type not a number
        {0, -5, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0},            // colour below 0
        {0, 16777216, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0},      // colour beyond 24 bits
        {0, 2.5f, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0},          // colour not whole
        {0, 255, 4, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0},           // mode
        {0, 255, 1, 0, 0, 1, 1, 21, 0, 0, 0, 0, 0},          // pivot 1 beyond the table
        {0, 255, 3, 0, 0, 1, 1, 3, 0, 0, -1, 0, 0},          // pivot 2 below it
        {0, 255, 1, 0, 0, 1, 1, NaN, 0, 0, 0, 0, 0},         // pivot 1 not a number
        {0, 255, 0, NaN, 0, 1, 1, 0, 0, 0, 0, 0, 0},         // a point not a number
        {1, 255, 0, 0, 0, std::numeric_limits<float>::infinity(), 0, 0, 0, 0, 0, 0, 0},  // radius
        {1, 255, 2, 0, 0, 1, 1, 3, 0, 0, 0, 0, 0},           // circle on a pivot and the frame
    };
    for (size_t i = 0; i < std::size(bad); ++i) {
        m.Lines[1] = bad[i];
        EXPECT_EQ(SlotShape(m, 1).kind, LineShape::None) << "case " << i;
    }
    EXPECT_EQ(SlotShape(m, 0).kind, LineShape::None);
    EXPECT_EQ(SlotShape(m, 21).kind, LineShape::None);
    EXPECT_EQ(SlotColour(LineSlot{0, 65535}), 65535u);
    EXPECT_EQ(SlotColour(LineSlot{}), std::nullopt);
}

TEST_F(LineOverlay, ACurrentSlotThatIsNoSlotTouchesNothingAndIsMendedByDrawClose)
{
    SetRefPoints(1, 1, 2, 2);
    for (int slot : {0, -4, 99}) {
        m.CurrentLineSlot = slot;
        Choose(Line, Red, Fixed);
        ClearLine(m);
        Choose(Line, Red, Fixed);
        const LineCommandResult r = DrawLineAndClose(m);
        EXPECT_EQ(r.beep, slot > 19);
        EXPECT_EQ(m.CurrentLineSlot, slot > 19 ? 20 : 1);
    }
    for (int s = 1; s <= LineSlotCount; ++s) EXPECT_EQ(Slot(s).type, -1.0f) << s;
}

}  // namespace
}  // namespace zeph
