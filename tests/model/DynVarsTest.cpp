// The dynamic-variable slots and the undo store, through the store's own calls.
#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "model/editing/DynVars.h"

using namespace zeph;

namespace {

class DynVarsTest : public ::testing::Test {
protected:
    void SetUp() override { m.StartUp(); }

    // What a dimension dialog does when the user leaves the box of a row.
    void Choose(int code, const char* name)
    {
        m.DynVarSlots[0] = {static_cast<uint32_t>(code), m.GetDim(code), name};
        RegisterDynVar(m);
    }

    // A typed change recorded as the dialogs record it.
    void RecordChange(int code, float value)
    {
        const float old = m.GetDim(code);
        m.SetDim(code, value);
        m.Undo.Record({code, old, value, "dim"});
    }

    MechanismModel m;
};

}  // namespace

TEST_F(DynVarsTest, NewestChoiceEntersSlotOneAndKnownOnesKeepTheirSlot)
{
    for (int row = 1; row <= 5; ++row) Choose(row, "row");
    EXPECT_EQ(m.DynVarSlots[1].code, 5u);
    EXPECT_EQ(m.DynVarSlots[2].code, 4u);
    EXPECT_EQ(m.DynVarSlots[3].code, 3u);
    EXPECT_EQ(m.DynVarSlots[4].code, 2u);
    m.Frame.MainRodLen = 11;
    Choose(3, "Main Rod Length");
    EXPECT_EQ(m.DynVarSlots[1].code, 5u);
    EXPECT_EQ(m.DynVarSlots[3].code, 3u);
    EXPECT_EQ(m.DynVarSlots[3].value, 11);
    EXPECT_EQ(m.DynVarSlots[3].name, "Main Rod Length");

    ClearDynVars(m);
    for (const DynVarSlot& s : m.DynVarSlots) {
        EXPECT_EQ(s.code, 0u);
        EXPECT_EQ(s.name, EmptySlotName());
    }
}

TEST_F(DynVarsTest, AStepAddsExactlyTheStepAsA32BitSum)
{
    Choose(2, "Stroke");
    m.FrontCutoffText = "77.6";
    m.DynVarSlotIndex = 1;
    m.DynVarStep = 0.001f;
    ApplyDynVarStep(m);
    EXPECT_EQ(m.Frame.Stroke, static_cast<float>(Real(3.0f) + Real(0.001f)));
    EXPECT_EQ(m.DynVarSlots[1].value, m.Frame.Stroke);
    EXPECT_TRUE(m.FrontCutoffText.empty());
    m.DynVarStep = -0.010f;
    ApplyDynVarStep(m);
    EXPECT_NEAR(m.Frame.Stroke, 2.991, 1e-6);
}

TEST_F(DynVarsTest, StepsKeepPivotCopiesAndTheValveCentreLine)
{
    Choose(13, "Bell Crank Piv Vert");
    Choose(102, "Cyl CL above Driver ctr");
    m.DynVarStep = 0.5f;
    m.DynVarSlotIndex = 2;
    ApplyDynVarStep(m);
    EXPECT_EQ(m.Pivots[BellCrankPivot].y, 3.93f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, m.Pivots[BellCrankPivot].y);
    m.DynVarSlotIndex = 1;
    ApplyDynVarStep(m);
    EXPECT_EQ(m.CylCLHeight(), 0.5f);
    EXPECT_EQ(m.ValveCLHeight(), 2.75f);
}

TEST_F(DynVarsTest, SlotsWithoutASteppableDimensionAreIgnored)
{
    m.DynVarSlots[1] = {26, 1.0f, "x"};
    m.DynVarSlotIndex = 1;
    ApplyDynVarStep(m);
    EXPECT_EQ(m.Frame.RevArmNorm, 1.04f);
    EXPECT_EQ(m.DynVarSlots[1].value, 1.0f);
}

TEST_F(DynVarsTest, UndoKeepsTwentyLevelsAndRestoresTheOldestKept)
{
    for (int i = 1; i <= 21; ++i) RecordChange(2, 3.0f + i);
    EXPECT_EQ(m.Undo.Depth(), 20);
    EXPECT_EQ(m.Undo.Line().newValue, 24.0f);
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(UndoNewest(m));
    EXPECT_TRUE(m.Undo.Empty());
    EXPECT_EQ(m.Frame.Stroke, 4.0f);  // back to the value before the oldest kept change
    EXPECT_FALSE(UndoNewest(m));
    EXPECT_EQ(m.Frame.Stroke, 4.0f);
}

TEST_F(DynVarsTest, UndoRestoresPivotCopiesAndResyncsTheSlots)
{
    Choose(13, "Bell Crank Piv Vert");
    RecordChange(13, 4.0f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, 4.0f);
    UndoNewest(m);
    // The slot re-sync adds and takes 1 in 32-bit floats, which may touch the last bits.
    EXPECT_FLOAT_EQ(m.Pivots[BellCrankPivot].y, 3.43f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, m.Pivots[BellCrankPivot].y);
    EXPECT_NEAR(m.DynVarSlots[1].value, 3.43f, 1e-6);
    EXPECT_EQ(m.DynVarStep, -1.0f);
}

// A group is one level: one undo restores every dimension in it, the last change first, so a
// dimension changed twice goes back to its value before the group.
TEST_F(DynVarsTest, UndoOfAGroupRestoresAllOfIt)
{
    RecordChange(2, 3.5f);
    m.Undo.BeginGroup("Valve setting");
    RecordChange(5, 1.25f);
    RecordChange(101, 17);
    RecordChange(5, 1.5f);
    m.Undo.EndGroup();
    EXPECT_EQ(m.Undo.Depth(), 2);
    EXPECT_TRUE(UndoNewest(m));
    EXPECT_EQ(m.Frame.Stroke, 3.5f);
    EXPECT_EQ(m.GetDim(5), test::StartedModel().GetDim(5));
    EXPECT_EQ(m.Cyl.CylCentreX, test::StartedModel().Cyl.CylCentreX);
    EXPECT_EQ(m.Undo.Depth(), 1);
}
