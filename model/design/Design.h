// A design: what a design file holds, from the 44 dimensions to the user lines and the set name.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zeph {

// One point of the mechanism, in model units.
struct Pivot {
    float x = 0.0f;
    float y = 0.0f;
};

// Indices into the pivot table. Entry 0 is the frame origin, the model point (0, 0) that no
// solve moves; the pivot-data slots fall back to it when they name no pivot.
enum PivotIndex : int {
    FrameOrigin = 0,
    DriverCentre = 1,
    CrankPin = 2,
    Crosshead = 3,
    ValveJoint = 4,
    BellCrankValvePin = 5,
    BellCrankPivot = 6,
    BellCrankPivotCopy = 7,
    BellCrankYokePin = 8,
    EccRodFrontEnd = 9,
    HangerJoint = 10,
    EccCrankPin = 11,
    GuideLinkCentre = 12,
    HangerTopPin = 13,
    AuxRodCorner = 14,
    RevArmAuxPin = 15,
    RevArmPivot = 16,
    RevArmPivotCopy = 17,
    RevArmTop = 18,
    RefPoint1 = 19,
    RefPoint2 = 20,
};

constexpr int PivotCount = 21;
constexpr int FrameDimCount = 27;
constexpr int CylDimCount = 17;
constexpr int CylCodeBase = 100;

// The 27 frame and valve-gear dimensions that are plain scalars; rows 10, 11, 13, 14, 23
// and 24 of the frame dialog live in the pivot table instead (guide-link centre, bell-crank
// and reverse-arm fulcrums).
struct FrameDims {
    float DriverDia = 0, Stroke = 0, MainRodLen = 0, EccCircleDia = 0, EccCrankLen = 0;
    float EccRodLeft = 0, EccRodRight = 0, RadHangerLen = 0, GuideLinkRadius = 0;
    float TransYokeLen = 0, BellCrankVert = 0, BellCrankBackSet = 0, BellCrankHorz = 0;
    float ValveConRodLen = 0, AuxRodVert = 0, AuxRodHorz = 0, RevArmUpper = 0, RevArmLower = 0;
    float OffsetAngle = 0, RevArmNorm = 0, RevArmMax = 0;
};

// The cylinder and valve dimensions; CylCLHeight is pivot 3 y and not stored here.
// Reserved is a value no computation reads, kept only so design files round-trip.
struct CylDims {
    float CylCentreX = 0, CylBoreDia = 0, CylBoreLen = 0, CylPortWidth = 0;
    float PistonRodLen = 0, PistonWidth = 0, ValveCLOffset = 0, ValveBoreDia = 0, ValveBoreLen = 0;
    float ValvePortOffset = 0, ValvePortWidthRear = 0, ValvePortWidthFront = 0;
    float ValveInsideEdge = 0, ValveEndWidthRear = 0, ValveEndWidthFront = 0;
    float ValveJointOffset = 0, Reserved = 0;
};

struct ViewTriple {
    float scale = 0, panX = 0, panY = 0;
};

// One user line or circle drawn over the mechanism. Every field is a 32-bit real, as the
// design file stores it: type -1 empty, 0 line, 1 circle; colour a 0x00BBGGRR value; reference
// mode 0..3; points in model units (offsets from their pivots' recorded positions where carried);
// the pivot numbers are pivot-table indices with the positions those pivots had when placed.
struct LineSlot {
    float type = -1.0f, colour = -1.0f, refMode = -1.0f;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float pivot1 = 0, pivot1X = 0, pivot1Y = 0;
    float pivot2 = 0, pivot2X = 0, pivot2Y = 0;
};

// Values of the design file that nothing reads, kept so that a file loaded and saved again
// reproduces them bit for bit: four values held once (record 10 fields 4 and 5, record 11
// fields 1 and 2) and one held twice (record 11 fields 3 and 4). The reserved cylinder value
// is CylDims::Reserved.
struct DesignFileReserved {
    std::array<float, 4> once{};
    float twice = 0;
};

constexpr int LineSlotCount = 20;
constexpr int DiagramRevArmEntries = 10;  // entry 0 is the centre, 1..9 the positions
constexpr int PresetCount = 7;

// Everything a design file reads and writes; nothing that a tick, a command or a window
// carries from one moment to the next. Copying a Design and giving it to a fresh model runs the
// same design from the start.
struct Design {
    // ---- dimensions -------------------------------------------------------------------
    FrameDims Frame;
    CylDims Cyl;
    // The pivot table lives with the design: the fixed pivots (the driver centre, the bell-crank
    // and reverse-arm fulcrums with their copies, the guide-link centre, the cylinder and valve
    // centre-line heights) are dimensions the file stores, and the solver reads them by the same
    // PivotIndex as the moving pivots it writes beside them. The moving entries are results of
    // the last solve; every solve rewrites them, so a copied design carries nothing stale that
    // a run would read.
    std::array<Pivot, PivotCount> Pivots{};

    float& CylCLHeight() { return Pivots[Crosshead].y; }
    float CylCLHeight() const { return Pivots[Crosshead].y; }
    float& ValveCLHeight() { return Pivots[ValveJoint].y; }
    float ValveCLHeight() const { return Pivots[ValveJoint].y; }

    // ---- the gear and the view it was saved with ---------------------------------------
    // Opening a design puts the reverse arm back at mid gear; the file keeps the position.
    float RevArmPosition = 0;
    float ViewScale = 0, ViewPanX = 0, ViewPanY = 0;
    std::array<ViewTriple, PresetCount> ViewPresets{};
    float GraphicPosZoom = 7.5f;

    // ---- the diagrams' position list and scale ------------------------------------------
    std::array<float, DiagramRevArmEntries> DiagramRevArmPos{};
    float LastDiagramRevArmPos = 0;  // the position a diagram plotted last
    float DiagramVScale = 1.5f;

    // ---- user lines 1..20 (index 0 unused) and the slot the lines dialog edits next -----
    std::array<LineSlot, LineSlotCount + 1> Lines{};
    int32_t CurrentLineSlot = 1;

    DesignFileReserved FileReserved;
    std::string DimSetName = "Nominal";
};

}  // namespace zeph
