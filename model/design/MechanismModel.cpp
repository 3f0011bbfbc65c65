// Start values, defaults, resets, dimension access and the mid-gear computation.
#include "model/design/MechanismModel.h"

#include <cmath>

#include "model/design/DimensionTable.h"

namespace zeph {

void MechanismModel::ResetRunState()
{
    DriverAngle = 0.0f;
    StepAngle = 10.0f;
    DiagramRevArmPos.fill(0.0f);
    Direction = RunDirection::Forward;
    ErrorBeepOn = true;
    SteamDisplayOn = false;
    DimSetName = "Nominal";
    DiagramVScale = 1.5f;
    GraphicPosZoom = 7.5f;
    GraphicDimCode = 0;
    FrontCutoffText.clear();
    RearCutoffText.clear();
    DynVarStep = 0.001f;
    for (DynVarSlot& slot : DynVarSlots) slot = {0, 0.0f, EmptySlotName()};
    for (LineSlot& line : Lines) line.type = line.colour = line.refMode = -1.0f;
    PrevFrontSteamOpening = 0.0f;
    PrevRearSteamOpening = 0.0f;
    Steam = SteamState{};

    SavedZoom = 28.0f;
    SavedPanX = 115.0f;
    SavedPanY = 270.0f;
    ViewPresets = {{{0.0f, 0.0f, 0.0f},
                    {62.0f, 315.0f, 237.0f},
                    {62.0f, 0.0f, 395.0f},
                    {55.0f, -250.0f, 370.0f},
                    {80.0f, -950.0f, 335.0f},
                    {350.0f, -5100.0f, 900.0f},
                    {350.0f, -5460.0f, 900.0f}}};
    // The fulcrum copies go with their fulcrums: the solver reads the copies.
    for (int i : {int(FrameOrigin), int(DriverCentre), int(BellCrankPivot), int(BellCrankPivotCopy), int(RevArmPivot),
                  int(RevArmPivotCopy), int(RefPoint1), int(RefPoint2)}) {
        Pivots[i].x = 0.0f;
        Pivots[i].y = 0.0f;
    }
    CylCLHeight() = 0.0f;
    Frame.OffsetAngle = 0.0f;
}

void MechanismModel::ResetView()
{
    ViewScale = SavedZoom;
    ViewPanX = SavedPanX;
    ViewPanY = SavedPanY;
    HomeView = {SavedZoom, SavedPanX, SavedPanY};
    MappedView = HomeView;
}

void MechanismModel::LoadFrameDefaults()
{
    for (const DimensionInfo& d : FrameDimensionRows()) FrameDefaults[d.code - 1] = d.defaultValue;
}

void MechanismModel::LoadCylDefaults()
{
    CylDefaults = CylDims{};  // the reserved value's default is 0
    for (const DimensionInfo& d : CylinderDimensionRows()) {
        if (d.storage.kind == DimStorage::Cylinder)
            CylDefaults.*d.storage.cylinder = d.defaultValue;
        else
            CylCLHeightDefault = d.defaultValue;  // row 2 lives in pivot 3
    }
    RecalcValveCLHeight();
}

void MechanismModel::ResetFrameDims()
{
    // SetDimension writes the fulcrum copies 7 and 17 with their fulcrums.
    for (const DimensionInfo& d : FrameDimensionRows()) SetDimension(*this, d, FrameDefaults[d.code - 1]);
}

void MechanismModel::ResetCylDims()
{
    CylCLHeight() = CylCLHeightDefault;
    Cyl = CylDefaults;
    RecalcValveCLHeight();
}

void MechanismModel::RecalcValveCLHeight()
{
    ValveCLHeight() = static_cast<float>(Real(CylCLHeight()) + Real(Cyl.ValveCLOffset));
}

void MechanismModel::CalcMidGear()
{
    const Pivot& p12 = Pivots[GuideLinkCentre];
    const Pivot& p17 = Pivots[RevArmPivotCopy];
    const Real a = Real(Frame.OffsetAngle) * Pi / 180;
    Pivot& p13 = Pivots[HangerTopPin];
    p13.x = static_cast<float>(p12.x + std::sin(a) * Real(Frame.GuideLinkRadius));
    p13.y = static_cast<float>(p12.y + std::cos(a) * Real(Frame.GuideLinkRadius));

    const Real diag = std::sqrt(Real(Frame.AuxRodVert) * Frame.AuxRodVert + Real(Frame.AuxRodHorz) * Frame.AuxRodHorz);
    AuxRodDiag = static_cast<float>(diag);

    const Real dx = Real(p13.x) - p17.x;
    const Real dy = Real(p13.y) - p17.y;
    const Real phi = std::atan(dy / dx);
    const Real d = std::sqrt(dx * dx + dy * dy);

    if (Frame.RevArmLower == 0.0f) Frame.RevArmLower = 0.00001f;
    const Real lower = Frame.RevArmLower;
    Real t = (d * d + lower * lower - diag * diag) / 2 / d / lower;
    if (t >= 1) t = 0.999999L;
    const Real psi = phi + Pi / 2 - std::atan(t / std::sqrt(1 - t * t));
    RevArmCentre = static_cast<float>(p17.x + std::cos(psi) * (lower + Real(Frame.RevArmUpper)));

    DiagramRevArmPos[0] = RevArmCentre;
    DiagramRevArmPos[1] = RevArmCentre;
    DiagramRevArmPos[2] = static_cast<float>(Real(RevArmCentre) + Frame.RevArmNorm);
    DiagramRevArmPos[3] = static_cast<float>(Real(RevArmCentre) - Frame.RevArmNorm);
    RevArmPosition = RevArmCentre;
}

void MechanismModel::StartUp()
{
    ResetRunState();
    ResetView();
    LoadFrameDefaults();
    LoadCylDefaults();
    ResetFrameDims();
    ResetCylDims();
    CalcMidGear();
}

float MechanismModel::GetDim(int code) const
{
    const DimensionInfo* d = FindDimension(code);
    return d ? GetDimension(*this, *d) : 0.0f;
}

void MechanismModel::SetDim(int code, float value)
{
    if (const DimensionInfo* d = FindDimension(code)) SetDimension(*this, *d, value);
}

}  // namespace zeph
