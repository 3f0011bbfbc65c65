// Start values, defaults, resets, dimension access and the mid-gear computation.
#include "model/MechanismModel.h"

#include <cmath>

namespace zeph {

namespace {

struct FrameRow {
    const char* caption;
    float defaultValue;
};

const FrameRow kFrameRows[FrameDimCount] = {
    {"Driver Dia", 7.0f},
    {"Stroke", 3.0f},
    {"Main Rod Length", 10.0f},
    {"Ecc Crank Cir Dia", 2.0f},
    {"Ecc Crank Length", 1.77f},
    {"Ecc Rod Left End", 8.47f},
    {"Ecc Rod Right End", 1.5f},
    {"Radius Hanger Length", 3.56f},
    {"Guide Link Radius", 3.56f},
    {"G Link Rad Cent Vert", 0.25f},
    {"G Link Rad Cent Horz", 8.4f},
    {"Transmission Yoke", 3.186f},
    {"Bell Crank Piv Vert", 3.43f},
    {"Bell Crank Piv Horz", 11.1f},
    {"Bell Crank Vert", 1.12f},
    {"Bell Crank BackSet", 0.0f},
    {"Bell Crank Horz", 1.1f},
    {"Valve Con Rod", 1.773f},
    {"Auxil Reach Rod Vert", 0.68f},
    {"Auxil Reach Rod Horz", 4.61f},
    {"Reverse Arm Upper", 0.38f},
    {"Reverse Arm Lower", 1.9f},
    {"Rev Arm Piv Vert", 2.54f},
    {"Rev Arm Piv Horz", 3.85f},
    {"Offset Angle of Vert Cent", 0.0f},
    {"Rev Arm to Cent Norm", 1.04f},
    {"Rev Arm to Cent Max", 1.3f},
};

// Where a scalar frame row lives; the six pivot rows are handled apart.
float FrameDims::* FrameMember(int row)
{
    switch (row) {
    case 1: return &FrameDims::DriverDia;
    case 2: return &FrameDims::Stroke;
    case 3: return &FrameDims::MainRodLen;
    case 4: return &FrameDims::EccCircleDia;
    case 5: return &FrameDims::EccCrankLen;
    case 6: return &FrameDims::EccRodLeft;
    case 7: return &FrameDims::EccRodRight;
    case 8: return &FrameDims::RadHangerLen;
    case 9: return &FrameDims::GuideLinkRadius;
    case 12: return &FrameDims::TransYokeLen;
    case 15: return &FrameDims::BellCrankVert;
    case 16: return &FrameDims::BellCrankBackSet;
    case 17: return &FrameDims::BellCrankHorz;
    case 18: return &FrameDims::ValveConRodLen;
    case 19: return &FrameDims::AuxRodVert;
    case 20: return &FrameDims::AuxRodHorz;
    case 21: return &FrameDims::RevArmUpper;
    case 22: return &FrameDims::RevArmLower;
    case 25: return &FrameDims::OffsetAngle;
    case 26: return &FrameDims::RevArmNorm;
    case 27: return &FrameDims::RevArmMax;
    default: return nullptr;
    }
}

// Pivot rows: the pivot written and whether the row is its x (else its y).
struct PivotRow {
    int pivot;
    bool isX;
};

bool FramePivotRow(int row, PivotRow& out)
{
    switch (row) {
    case 10: out = {GuideLinkCentre, false}; return true;
    case 11: out = {GuideLinkCentre, true}; return true;
    case 13: out = {BellCrankPivot, false}; return true;
    case 14: out = {BellCrankPivot, true}; return true;
    case 23: out = {RevArmPivot, false}; return true;
    case 24: out = {RevArmPivot, true}; return true;
    default: return false;
    }
}

// Cylinder rows 1..17 other than row 2 (CylCLHeight, which is pivot 3 y).
float CylDims::* CylMember(int row)
{
    static float CylDims::* const members[CylDimCount + 1] = {
        nullptr,
        &CylDims::CylCentreX, nullptr, &CylDims::CylBoreDia, &CylDims::CylBoreLen,
        &CylDims::CylPortWidth, &CylDims::PistonRodLen, &CylDims::PistonWidth,
        &CylDims::ValveCLOffset, &CylDims::ValveBoreDia, &CylDims::ValveBoreLen,
        &CylDims::ValvePortOffset, &CylDims::ValvePortWidthRear, &CylDims::ValvePortWidthFront,
        &CylDims::ValveInsideEdge, &CylDims::ValveEndWidthRear, &CylDims::ValveEndWidthFront,
        &CylDims::ValveJointOffset,
    };
    return (row >= 1 && row <= CylDimCount) ? members[row] : nullptr;
}

int PivotCopyOf(int pivot)
{
    if (pivot == BellCrankPivot) return BellCrankPivotCopy;
    if (pivot == RevArmPivot) return RevArmPivotCopy;
    return -1;
}

}  // namespace

const char* FrameDimCaption(int row)
{
    return (row >= 1 && row <= FrameDimCount) ? kFrameRows[row - 1].caption : "";
}

void MechanismModel::ResetRunState()
{
    DriverAngle = 0.0f;
    StepAngle = 10.0f;
    DiagramRevArmPos.fill(0.0f);
    RunDirection = "Fwd";
    ErrorBeepOn = true;
    SteamDisplayOn = false;
    TextScaleX = 1.0f;
    TextScaleY = 1.0f;
    DimSetName = "Nominal";
    DiagramVScale = 1.5f;
    GraphicPosZoom = 7.5f;
    GraphicDimCode = 0;
    FrontCutoffText.clear();
    RearCutoffText.clear();
    DynVarStep = 0.001f;
    for (DynVarSlot& slot : DynVarSlots) slot = {0, 0.0f, EmptySlotName()};
    LineType.fill(-1.0f);
    LineColour.fill(-1.0f);
    LineRefMode.fill(-1.0f);
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
    for (int i : {0, int(DriverCentre), int(BellCrankPivot), int(BellCrankPivotCopy), int(RevArmPivot),
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
}

void MechanismModel::LoadFrameDefaults()
{
    for (int row = 1; row <= FrameDimCount; ++row) FrameDefaults[row - 1] = kFrameRows[row - 1].defaultValue;
}

void MechanismModel::LoadCylDefaults()
{
    CylDefaults.CylCentreX = 16.0f;
    CylDefaults.CylBoreDia = 2.125f;
    CylDefaults.CylBoreLen = 4.0f;
    CylDefaults.CylPortWidth = 0.2f;
    CylDefaults.PistonRodLen = 6.0f;
    CylDefaults.PistonWidth = 0.5f;
    CylDefaults.ValveCLOffset = 2.25f;
    CylDefaults.ValveBoreDia = 0.75f;
    CylDefaults.ValveBoreLen = 4.0f;
    CylDefaults.ValvePortOffset = 1.155f;
    CylDefaults.ValvePortWidthRear = 0.187f;
    CylDefaults.ValvePortWidthFront = 0.187f;
    CylDefaults.ValveInsideEdge = 1.0f;
    CylDefaults.ValveEndWidthRear = 0.342f;
    CylDefaults.ValveEndWidthFront = 0.342f;
    CylDefaults.ValveJointOffset = 3.176f;
    CylDefaults.Reserved = 0.0f;
    CylCLHeightDefault = 0.0f;
    RecalcValveCLHeight();
}

void MechanismModel::ResetFrameDims()
{
    for (int row = 1; row <= FrameDimCount; ++row) {
        const float value = FrameDefaults[row - 1];
        PivotRow pr;
        if (FramePivotRow(row, pr))
            (pr.isX ? Pivots[pr.pivot].x : Pivots[pr.pivot].y) = value;
        else
            Frame.*FrameMember(row) = value;
    }
    Pivots[BellCrankPivotCopy].x = Pivots[BellCrankPivot].x;
    Pivots[BellCrankPivotCopy].y = Pivots[BellCrankPivot].y;
    Pivots[RevArmPivotCopy].x = Pivots[RevArmPivot].x;
    Pivots[RevArmPivotCopy].y = Pivots[RevArmPivot].y;
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
    RevArmBarMin = static_cast<int32_t>(std::nearbyint(-1000.0L * Frame.RevArmMax));
    RevArmBarMax = static_cast<int32_t>(std::nearbyint(1000.0L * Frame.RevArmMax));
}

float MechanismModel::GetDim(int code) const
{
    if (IsFrameCode(code)) {
        PivotRow pr;
        if (FramePivotRow(code, pr)) return pr.isX ? Pivots[pr.pivot].x : Pivots[pr.pivot].y;
        return Frame.*FrameMember(code);
    }
    if (IsCylCode(code)) {
        const int row = code - CylCodeBase;
        return row == 2 ? CylCLHeight() : Cyl.*CylMember(row);
    }
    return 0.0f;
}

void MechanismModel::SetDim(int code, float value)
{
    if (IsFrameCode(code)) {
        PivotRow pr;
        if (FramePivotRow(code, pr)) {
            (pr.isX ? Pivots[pr.pivot].x : Pivots[pr.pivot].y) = value;
            const int copy = PivotCopyOf(pr.pivot);
            if (copy >= 0) (pr.isX ? Pivots[copy].x : Pivots[copy].y) = value;
        } else {
            Frame.*FrameMember(code) = value;
        }
        return;
    }
    if (IsCylCode(code)) {
        const int row = code - CylCodeBase;
        if (row == 2)
            CylCLHeight() = value;
        else
            Cyl.*CylMember(row) = value;
        if (row == 2 || row == 8) RecalcValveCLHeight();
    }
}

}  // namespace zeph
