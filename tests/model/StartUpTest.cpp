// Defaults, the start-up order, the resets and dimension access by code.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ModelTestSupport.h"
#include "model/design/FrameLimits.h"

namespace zeph {
namespace {

using test::StartedModel;

const std::vector<std::pair<int, float>> kDefaultsByCode = {
    {1, 7.0f},    {2, 3.0f},     {3, 10.0f},     {4, 2.0f},     {5, 1.77f},    {6, 8.47f},    {7, 1.5f},
    {8, 3.56f},   {9, 3.56f},    {10, 0.25f},    {11, 8.4f},    {12, 3.186f},  {13, 3.43f},   {14, 11.1f},
    {15, 1.12f},  {16, 0.0f},    {17, 1.1f},     {18, 1.773f},  {19, 0.68f},   {20, 4.61f},   {21, 0.38f},
    {22, 1.9f},   {23, 2.54f},   {24, 3.85f},    {25, 0.0f},    {26, 1.04f},   {27, 1.3f},
    {101, 16.0f}, {102, 0.0f},   {103, 2.125f},  {104, 4.0f},   {105, 0.2f},   {106, 6.0f},   {107, 0.5f},
    {108, 2.25f}, {109, 0.75f},  {110, 4.0f},    {111, 1.155f}, {112, 0.187f}, {113, 0.187f}, {114, 1.0f},
    {115, 0.342f}, {116, 0.342f}, {117, 3.176f},
};

TEST(StartUp, LoadsEveryDimensionDefault)
{
    const MechanismModel m = StartedModel();
    for (const auto& [code, value] : kDefaultsByCode) {
        EXPECT_EQ(m.GetDim(code), value) << "code " << code;
        if (MechanismModel::IsFrameCode(code)) {
            EXPECT_EQ(m.FrameDefaults[code - 1], value) << "code " << code;
        }
    }
    EXPECT_EQ(m.Cyl.Reserved, 0.0f);
    EXPECT_EQ(m.CylDefaults.ValveJointOffset, 3.176f);
    EXPECT_EQ(m.CylCLHeightDefault, 0.0f);
    EXPECT_FLOAT_EQ(m.ValveCLHeight(), 2.25f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].x, 11.1f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, 3.43f);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].x, 3.85f);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].y, 2.54f);
    EXPECT_STREQ(FrameDimCaption(1), "Driver Dia");
    EXPECT_STREQ(FrameDimCaption(25), "Offset Angle of Vert Cent");
    EXPECT_STREQ(FrameDimCaption(28), "");
}

TEST(StartUp, StartsRunStateViewAndTables)
{
    const MechanismModel m = StartedModel();
    EXPECT_EQ(m.DriverAngle, 0.0f);
    EXPECT_EQ(m.StepAngle, 10.0f);
    EXPECT_EQ(m.ChosenStepAngle, 10.0f);
    EXPECT_EQ(m.Direction, RunDirection::Forward);
    EXPECT_FALSE(m.MechanismError);
    EXPECT_TRUE(m.ErrorBeepOn);
    EXPECT_FALSE(m.SteamDisplayOn);
    EXPECT_EQ(m.LineWidth, 1);
    EXPECT_EQ(m.DimSetName, "Nominal");
    EXPECT_EQ(m.DiagramVScale, 1.5f);
    EXPECT_EQ(m.GraphicPosZoom, 7.5f);
    EXPECT_EQ(m.GraphicDimCode, 0);
    EXPECT_EQ(m.DynVarStep, 0.001f);
    EXPECT_TRUE(m.FrontCutoffText.empty() && m.RearCutoffText.empty());
    EXPECT_EQ(m.PrevFrontSteamOpening, 0.0f);
    EXPECT_EQ(m.PrevRearSteamOpening, 0.0f);

    for (float v : {m.ViewScale, m.SavedZoom, m.HomeView.scale}) EXPECT_EQ(v, 28.0f);
    for (float v : {m.ViewPanX, m.SavedPanX, m.HomeView.panX}) EXPECT_EQ(v, 115.0f);
    for (float v : {m.ViewPanY, m.SavedPanY, m.HomeView.panY}) EXPECT_EQ(v, 270.0f);
    const float presets[PresetCount][3] = {{0, 0, 0},       {62, 315, 237},     {62, 0, 395},     {55, -250, 370},
                                           {80, -950, 335}, {350, -5100, 900}, {350, -5460, 900}};
    for (int i = 0; i < PresetCount; ++i) {
        EXPECT_EQ(m.ViewPresets[i].scale, presets[i][0]) << "preset " << i;
        EXPECT_EQ(m.ViewPresets[i].panX, presets[i][1]) << "preset " << i;
        EXPECT_EQ(m.ViewPresets[i].panY, presets[i][2]) << "preset " << i;
    }
    EXPECT_EQ(ReverseArmBarSpan(m.Frame), (ArmBarSpan{-1300, 1300}));

    EXPECT_EQ(EmptySlotName(), std::string(13, ' ') + "??");
    for (const DynVarSlot& s : m.DynVarSlots) {
        EXPECT_EQ(s.code, 0u);
        EXPECT_EQ(s.value, 0.0f);
        EXPECT_EQ(s.name, EmptySlotName());
    }
    for (const LineSlot& line : m.Lines)
        for (float v : {line.type, line.colour, line.refMode}) EXPECT_EQ(v, -1.0f);
    for (int i = 4; i < DiagramRevArmEntries; ++i) EXPECT_EQ(m.DiagramRevArmPos[i], 0.0f);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
}

// A model that has been run and edited comes back to the same state as a fresh start.
TEST(StartUp, RestartRestoresAnEditedModel)
{
    const MechanismModel fresh = StartedModel();
    MechanismModel m = StartedModel();
    for (const auto& [code, value] : kDefaultsByCode) m.SetDim(code, value + 0.5f);
    m.Pivots[RefPoint1] = {1.0f, 2.0f};
    m.DriverAngle = 123.0f;
    m.ViewScale = 99.0f;
    m.SavedZoom = 11.0f;
    m.DynVarSlots[2] = {5, 1.5f, "Main Rod"};
    m.Lines[3].type = 2.0f;
    m.Cyl.Reserved = 7.0f;
    m.StartUp();
    for (const auto& [code, value] : kDefaultsByCode) EXPECT_EQ(m.GetDim(code), fresh.GetDim(code)) << "code " << code;
    EXPECT_EQ(m.Pivots[RefPoint1].x, 0.0f);
    EXPECT_EQ(m.DriverAngle, 0.0f);
    EXPECT_EQ(m.ViewScale, 28.0f);
    EXPECT_EQ(m.DynVarSlots[2].name, EmptySlotName());
    EXPECT_EQ(m.Lines[3].type, -1.0f);
    EXPECT_EQ(m.Cyl.Reserved, 0.0f);
    EXPECT_EQ(m.ValveCLHeight(), fresh.ValveCLHeight());
    EXPECT_EQ(m.RevArmCentre, fresh.RevArmCentre);
    EXPECT_EQ(m.RevArmPosition, fresh.RevArmCentre);
}

TEST(Resets, RunStateResetKeepsChosenStepErrorAndLineWidth)
{
    MechanismModel m = StartedModel();
    m.ChosenStepAngle = 2.5f;
    m.MechanismError = true;
    m.LineWidth = 2;
    m.ErrorBeepOn = false;
    m.Frame.OffsetAngle = 12.0f;
    m.SetDim(102, 1.0f);
    m.ResetRunState();
    EXPECT_EQ(m.ChosenStepAngle, 2.5f);
    EXPECT_TRUE(m.MechanismError);
    EXPECT_EQ(m.LineWidth, 2);
    EXPECT_TRUE(m.ErrorBeepOn);
    EXPECT_EQ(m.Frame.OffsetAngle, 0.0f);
    EXPECT_EQ(m.CylCLHeight(), 0.0f);
    for (int i : {0, 1, 6, 16, 19, 20}) {
        EXPECT_EQ(m.Pivots[i].x, 0.0f) << "pivot " << i;
        EXPECT_EQ(m.Pivots[i].y, 0.0f) << "pivot " << i;
    }
    // The solver reads the copies, so they must never disagree with their fulcrums.
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].x, m.Pivots[BellCrankPivot].x);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].y, m.Pivots[RevArmPivot].y);
}

TEST(Resets, DimensionResetsRestoreDefaultsAndPivotCopies)
{
    MechanismModel m = StartedModel();
    m.Pivots[BellCrankPivot] = {1.0f, 2.0f};
    m.Pivots[BellCrankPivotCopy] = {5.0f, 6.0f};
    m.Pivots[RevArmPivotCopy] = {7.0f, 8.0f};
    m.Frame.Stroke = 4.0f;
    m.SetDim(102, 1.0f);
    m.SetDim(108, 3.0f);
    m.Cyl.Reserved = 2.0f;
    m.ResetFrameDims();
    m.ResetCylDims();
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].x, m.Pivots[BellCrankPivot].x);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, m.Pivots[BellCrankPivot].y);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].x, m.Pivots[RevArmPivot].x);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].y, m.Pivots[RevArmPivot].y);
    EXPECT_EQ(m.Pivots[BellCrankPivot].x, 11.1f);
    EXPECT_EQ(m.CylCLHeight(), 0.0f);
    EXPECT_EQ(m.Cyl.ValveCLOffset, 2.25f);
    EXPECT_EQ(m.Cyl.Reserved, 0.0f);
    EXPECT_FLOAT_EQ(m.ValveCLHeight(), 2.25f);
}

TEST(DimCodes, EveryCodeReadsBackWhatWasWrittenAndCodesDoNotAlias)
{
    MechanismModel m = StartedModel();
    for (const auto& [code, value] : kDefaultsByCode) m.SetDim(code, 100.0f + float(code));
    for (const auto& [code, value] : kDefaultsByCode) EXPECT_EQ(m.GetDim(code), 100.0f + float(code)) << "code " << code;
    const MechanismModel before = m;
    for (int code : {0, 28, 100, 118, -1}) {
        EXPECT_FALSE(MechanismModel::IsDimCode(code));
        m.SetDim(code, 1.0f);
        EXPECT_EQ(m.GetDim(code), 0.0f);
    }
    for (const auto& [code, value] : kDefaultsByCode) EXPECT_EQ(m.GetDim(code), before.GetDim(code));
}

TEST(DimCodes, FulcrumCodesWriteBothPivotCopies)
{
    MechanismModel m = StartedModel();
    m.SetDim(13, 3.0f);
    m.SetDim(14, 12.0f);
    m.SetDim(23, 2.0f);
    m.SetDim(24, 4.0f);
    EXPECT_EQ(m.Pivots[BellCrankPivot].y, 3.0f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].y, 3.0f);
    EXPECT_EQ(m.Pivots[BellCrankPivot].x, 12.0f);
    EXPECT_EQ(m.Pivots[BellCrankPivotCopy].x, 12.0f);
    EXPECT_EQ(m.Pivots[RevArmPivot].y, 2.0f);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].y, 2.0f);
    EXPECT_EQ(m.Pivots[RevArmPivot].x, 4.0f);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].x, 4.0f);
    m.SetDim(11, 9.0f);
    m.SetDim(10, 0.5f);
    EXPECT_EQ(m.Pivots[GuideLinkCentre].x, 9.0f);
    EXPECT_EQ(m.Pivots[GuideLinkCentre].y, 0.5f);
}

TEST(DimCodes, ValveCentreLineFollowsCylinderHeightAndOffset)
{
    MechanismModel m = StartedModel();
    m.SetDim(102, 1.5f);
    EXPECT_FLOAT_EQ(m.ValveCLHeight(), 3.75f);
    m.SetDim(108, 1.0f);
    EXPECT_FLOAT_EQ(m.ValveCLHeight(), 2.5f);
    m.SetDim(103, 9.0f);
    m.SetDim(117, 9.0f);
    EXPECT_FLOAT_EQ(m.ValveCLHeight(), 2.5f);
    EXPECT_EQ(m.CylCLHeight(), 1.5f);
}

}  // namespace
}  // namespace zeph
