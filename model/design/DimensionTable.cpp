// The one table of the 44 dimensions: where each is stored, its default, its texts and its pointer view.
#include "model/design/DimensionTable.h"

namespace zeph {

namespace {

constexpr DimStorage F(float FrameDims::* member) { return {DimStorage::Frame, member, nullptr, 0}; }
constexpr DimStorage C(float CylDims::* member) { return {DimStorage::Cylinder, nullptr, member, 0}; }
constexpr DimStorage PX(int pivot) { return {DimStorage::PivotX, nullptr, nullptr, pivot}; }
constexpr DimStorage PY(int pivot) { return {DimStorage::PivotY, nullptr, nullptr, pivot}; }

constexpr PointerView Zoom(float k) { return {k, false, 0, 0}; }
constexpr PointerView View(float k, float panX, float panY) { return {k, true, panX, panY}; }

// Ditto marks under the words of the row above.
constexpr const char* kMaxDitto = "\"           \"             Max";
constexpr const char* kFrontDitto = "\"             \"             Front";

const DimensionInfo kFrameRows[FrameDimCount] = {
    {1, F(&FrameDims::DriverDia), 7.0f, "Driver Dia", "Driver                    Diameter", "", "Driver Dia",
     View(30, 290, 212)},
    {2, F(&FrameDims::Stroke), 3.0f, "Stroke", "Stroke                      Length", "", "Stroke", View(30, 290, 212)},
    {3, F(&FrameDims::MainRodLen), 10.0f, "Main Rod Length", "Main Rod                 Length", "",
     "Main Rod Length", Zoom(28)},
    {4, F(&FrameDims::EccCircleDia), 2.0f, "Ecc Crank Cir Dia", "EccentricCrank Circle Diam", "",
     "Ecc Crank Cir Dia", View(30, 290, 212)},
    {5, F(&FrameDims::EccCrankLen), 1.77f, "Ecc Crank Length", "Eccentric Crank       Length", "",
     "Ecc Crank Length", View(30, 290, 212)},
    {6, F(&FrameDims::EccRodLeft), 8.47f, "Ecc Rod Left End", "Eccentric Rod       Left End", "",
     "Ecc Rod Left End", Zoom(28)},
    {7, F(&FrameDims::EccRodRight), 1.5f, "Ecc Rod Right End", "Eccentric Rod     Right End", "",
     "Ecc Rod Right End", View(62, -150, 212)},
    {8, F(&FrameDims::RadHangerLen), 3.56f, "Radius Hanger Length", "Radius Hanger         Length", "",
     "Radius Hanger Length", View(40, -50, 300)},
    {9, F(&FrameDims::GuideLinkRadius), 3.56f, "Guide Link Radius", "Guide Link                Radius", "",
     "Guide Link Radius", View(40, -50, 300)},
    {10, PY(GuideLinkCentre), 0.25f, "G Link Rad Cent Vert", "GuideLink Rad Center Vert", "",
     "G Link Rad Cent Vert", View(40, -50, 300)},
    {11, PX(GuideLinkCentre), 8.4f, "G Link Rad Cent Horz", "GuideLink Rad Center Horz", "",
     "G Link Rad Cent Horz", Zoom(28)},
    {12, F(&FrameDims::TransYokeLen), 3.186f, "Transmission Yoke", "Transmission Yoke  Length", "",
     "Transmission Yoke", View(40, -50, 300)},
    {13, PY(BellCrankPivot), 3.43f, "Bell Crank Piv Vert", "Bell Crank Pivot            Vert", "",
     "Bell Crank Piv Vert", View(40, -50, 300)},
    {14, PX(BellCrankPivot), 11.1f, "Bell Crank Piv Horz", "Bell Crank Pivot            Horz", "",
     "Bell Crank Piv Horz", View(40, 50, 300)},
    {15, F(&FrameDims::BellCrankVert), 1.12f, "Bell Crank Vert", "Bell Crank                      Vert", "",
     "Bell Crank Vert", View(40, -50, 300)},
    {16, F(&FrameDims::BellCrankBackSet), 0.0f, "Bell Crank BackSet", "Bell Crank               BackSet", "",
     "Bell Crank BackSet", View(40, -50, 300)},
    {17, F(&FrameDims::BellCrankHorz), 1.1f, "Bell Crank Horz", "Bell Crank                     Horz", "",
     "Bell Crank Horz", View(40, -50, 300)},
    {18, F(&FrameDims::ValveConRodLen), 1.773f, "Valve Con Rod", "Valve Con Rod         Length", "",
     "Valve Con Rod", View(40, -50, 300)},
    {19, F(&FrameDims::AuxRodVert), 0.68f, "Auxil Reach Rod Vert", "Auxil Reach Rod           Vert", "",
     "Auxil Reach Rod Vert", View(40, -50, 300)},
    {20, F(&FrameDims::AuxRodHorz), 4.61f, "Auxil Reach Rod Horz", "Auxil Reach Rod          Horz", "",
     "Auxil Reach Rod Horz", View(40, -50, 300)},
    {21, F(&FrameDims::RevArmUpper), 0.38f, "Reverse Arm Upper", "Reverse Arm              Upper", "",
     "Reverse Arm Upper", View(40, -50, 300)},
    {22, F(&FrameDims::RevArmLower), 1.9f, "Reverse Arm Lower", "Reverse Arm              Lower", "",
     "Reverse Arm Lower", View(40, -50, 300)},
    {23, PY(RevArmPivot), 2.54f, "Rev Arm Piv Vert", "Reverse Arm Pivot       Vert", "", "Rev Arm Piv Vert",
     Zoom(28)},
    {24, PX(RevArmPivot), 3.85f, "Rev Arm Piv Horz", "Reverse Arm Pivot      Horz", "", "Rev Arm Piv Horz",
     Zoom(28)},
    {25, F(&FrameDims::OffsetAngle), 0.0f, "Offset Angle of Vert Cent", "Offset Angle of Vert Center", "", "",
     Zoom(28)},
    {26, F(&FrameDims::RevArmNorm), 1.04f, "Rev Arm to Cent Norm", "Reverse Arm to Cent Norm", "", "",
     View(28, 200, 300)},
    {27, F(&FrameDims::RevArmMax), 1.3f, "Rev Arm to Cent Max", kMaxDitto, "", "", View(28, 200, 300)},
};

// The pointer names a cylinder dimension by its short name.
const DimensionInfo kCylinderRows[CylDimCount] = {
    {101, C(&CylDims::CylCentreX), 16.0f, "Cyl ctr to Driver ctr", "Cylinder ctr to Driver ctr", "",
     "Cyl ctr to Driver ctr", Zoom(28)},
    {102, PY(Crosshead), 0.0f, "Cyl CL above Driver ctr", "Cylinder CL above Driver", "", "Cyl CL above Driver ctr",
     View(55, -600, 295)},
    {103, C(&CylDims::CylBoreDia), 2.125f, "Cylinder Bore Dia", "Cylinder Bore         Diameter", "",
     "Cylinder Bore Dia", View(55, -600, 250)},
    {104, C(&CylDims::CylBoreLen), 4.0f, "Cylinder Bore Length", "Cylinder Bore            Length", "",
     "Cylinder Bore Length", View(55, -600, 250)},
    {105, C(&CylDims::CylPortWidth), 0.2f, "Cyl Steam Port Width", "Cylinder Steam Port    Width", "",
     "Cyl Steam Port Width", View(55, -600, 250)},
    {106, C(&CylDims::PistonRodLen), 6.0f, "Piston ctr to Crosshead", "Piston ctr to Crosshead ctr", "(Piston Rod)",
     "Piston ctr to Crosshead", View(40, -200, 260)},
    {107, C(&CylDims::PistonWidth), 0.5f, "Piston Width", "Piston                         Width", "",
     "Piston Width", View(55, -600, 295)},
    {108, C(&CylDims::ValveCLOffset), 2.25f, "Valve CL to Cyl CL", "Valve CL to Cylinder CL", "",
     "Valve CL to Cyl CL", View(55, -600, 295)},
    {109, C(&CylDims::ValveBoreDia), 0.75f, "Valve Bore Dia", "Valve Bore            Diameter", "",
     "Valve Bore Dia", View(55, -600, 295)},
    {110, C(&CylDims::ValveBoreLen), 4.0f, "Valve Bore Length", "Valve Bore               Length", "",
     "Valve Bore Length", View(55, -600, 295)},
    {111, C(&CylDims::ValvePortOffset), 1.155f, "Valve Bore ctr to Port", "ValveBore ctr to ValvePort", "",
     "Valve Bore ctr to Port", View(55, -600, 295)},
    {112, C(&CylDims::ValvePortWidthRear), 0.187f, "ValveBorePortWidthRear", "ValveBore PortWidth Rear", "",
     "ValveBorePortWidthRear", View(55, -600, 295)},
    {113, C(&CylDims::ValvePortWidthFront), 0.187f, "ValveBorePortWidthFront", kFrontDitto, "",
     "ValveBorePortWidthFront", View(55, -600, 295)},
    {114, C(&CylDims::ValveInsideEdge), 1.0f, "Valve ctr to Ring", "Valve ctr to Inside Edge", " of Inside Ring",
     "Valve ctr to Ring", View(55, -600, 295)},
    {115, C(&CylDims::ValveEndWidthRear), 0.342f, "Valve End Width  Rear", "Valve End Width (Outside",
     "Edges of Rings) Rear", "Valve End Width  Rear", View(55, -600, 295)},
    {116, C(&CylDims::ValveEndWidthFront), 0.342f, "Valve End Width  Front", kFrontDitto, "",
     "Valve End Width  Front", View(55, -600, 295)},
    {117, C(&CylDims::ValveJointOffset), 3.176f, "Valve ctr to Joint (Stem)", "Valve ctr to Joint", "  (Valve Stem)",
     "Valve ctr to Joint (Stem)", View(55, -600, 295)},
};

}  // namespace

int DimensionInfo::PivotCopy() const
{
    if (storage.kind != DimStorage::PivotX && storage.kind != DimStorage::PivotY) return 0;
    if (storage.pivot == BellCrankPivot) return BellCrankPivotCopy;
    if (storage.pivot == RevArmPivot) return RevArmPivotCopy;
    return 0;
}

std::span<const DimensionInfo> FrameDimensionRows() { return kFrameRows; }
std::span<const DimensionInfo> CylinderDimensionRows() { return kCylinderRows; }

const DimensionInfo* FindDimension(int code)
{
    if (code >= 1 && code <= FrameDimCount) return &kFrameRows[code - 1];
    if (code > CylCodeBase && code <= CylCodeBase + CylDimCount) return &kCylinderRows[code - CylCodeBase - 1];
    return nullptr;
}

float GetDimension(const MechanismModel& m, const DimensionInfo& d)
{
    const DimStorage& s = d.storage;
    switch (s.kind) {
    case DimStorage::Frame: return m.Frame.*s.frame;
    case DimStorage::Cylinder: return m.Cyl.*s.cylinder;
    case DimStorage::PivotX: return m.Pivots[s.pivot].x;
    case DimStorage::PivotY: return m.Pivots[s.pivot].y;
    }
    return 0.0f;
}

void SetDimension(MechanismModel& m, const DimensionInfo& d, float value)
{
    const DimStorage& s = d.storage;
    switch (s.kind) {
    case DimStorage::Frame: m.Frame.*s.frame = value; break;
    case DimStorage::Cylinder: m.Cyl.*s.cylinder = value; break;
    case DimStorage::PivotX: m.Pivots[s.pivot].x = value; break;
    case DimStorage::PivotY: m.Pivots[s.pivot].y = value; break;
    }
    if (const int copy = d.PivotCopy()) {
        if (s.kind == DimStorage::PivotX)
            m.Pivots[copy].x = value;
        else
            m.Pivots[copy].y = value;
    }
    if (d.MovesValveCentreLine()) m.RecalcValveCLHeight();
}

const char* FrameDimCaption(int row)
{
    return (row >= 1 && row <= FrameDimCount) ? kFrameRows[row - 1].caption : "";
}

}  // namespace zeph
