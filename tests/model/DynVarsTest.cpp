// The dynamic-variable slots and the undo store, through the store's own calls.
#include <gtest/gtest.h>

#include "model/DynVars.h"

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
        m.DimEditTyped = true;
        PushUndo(m, sink);
        m.UndoStack[1].code = code;
        m.UndoStack[1].oldValue = m.GetDim(code);
        m.SetDim(code, value);
        m.UndoStack[1].newValue = value;
        m.UndoStack[1].name = "dim";
        m.DimEditTyped = false;
    }

    MechanismModel m;
    int enables = 0, disables = 0;
    UndoButtonsSink sink = [this](bool on) { on ? ++enables : ++disables; };
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

TEST_F(DynVarsTest, PushUndoNeedsATypedEditAndKeepsTwentyLevels)
{
    PushUndo(m, sink);
    EXPECT_EQ(m.UndoDepth, 0);
    EXPECT_EQ(enables, 0);
    for (int i = 1; i <= 21; ++i) RecordChange(2, 3.0f + i);
    EXPECT_EQ(m.UndoDepth, 20);
    EXPECT_EQ(m.UndoStack[1].newValue, 24.0f);
    EXPECT_EQ(m.UndoStack[20].newValue, 5.0f);  // the first change dropped out
    for (int i = 0; i < 20; ++i) UndoLast(m, sink);
    EXPECT_EQ(m.UndoDepth, 0);
    EXPECT_EQ(m.Frame.Stroke, 4.0f);  // back to the value before the oldest kept change
    EXPECT_EQ(m.UndoStack[1].code, 0);
    EXPECT_GE(disables, 1);
}

TEST_F(DynVarsTest, UndoRestoresPivotCopiesAndResyncsTheSlots)
{
    Choose(13, "Bell Crank Piv Vert");
    RecordChange(13, 4.0f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, 4.0f);
    UndoLast(m, sink);
    // The slot re-sync adds and takes 1 in 32-bit floats, which may touch the last bits.
    EXPECT_FLOAT_EQ(m.Pivots[BellCrankPivot].y, 3.43f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, m.Pivots[BellCrankPivot].y);
    EXPECT_NEAR(m.DynVarSlots[1].value, 3.43f, 1e-6);
    EXPECT_EQ(m.DynVarStep, -1.0f);
    EXPECT_EQ(m.UndoStack[0].code, 13);
}

TEST_F(DynVarsTest, UndoWithAnEmptyStoreRestoresNothing)
{
    UndoLast(m, sink);
    EXPECT_EQ(m.UndoDepth, 0);
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_EQ(disables, 1);
    RecordChange(101, 17);
    ClearUndo(m, sink);
    EXPECT_EQ(m.UndoDepth, 0);
    EXPECT_EQ(m.UndoStack[1].code, 0);
    EXPECT_EQ(m.Cyl.CylCentreX, 17);
}
