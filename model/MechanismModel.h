// The one model of the simulated valve gear: dimensions, pivots, run state, view and options.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/OverlayState.h"
#include "model/Real.h"
#include "model/UndoStore.h"

namespace zeph {

// One point of the mechanism: its model position and the screen pixel it maps to.
struct Pivot {
    float x = 0.0f;
    float y = 0.0f;
    int32_t sx = 0;
    int32_t sy = 0;
};

// Indices into the pivot table.
enum PivotIndex : int {
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

struct ScreenPt {
    int32_t x = 0, y = 0;
};

// Screen outlines of the cylinder section, recomputed every tick from the dimensions.
// CO: start point S then points 0..12; PI: inner passage edges; PO: piston corners, the
// piston-rod end and the valve-stem end; VR, VF: the rear and front valve heads.
struct ScreenOutlines {
    ScreenPt S;
    std::array<ScreenPt, 13> CO{};
    std::array<ScreenPt, 4> PI{};
    std::array<ScreenPt, 6> PO{};
    std::array<ScreenPt, 4> VR{}, VF{};
};

struct ViewTriple {
    float scale = 0, panX = 0, panY = 0;
};

// Valve-event thresholds and the six joint-referred bases, written by SolveLinkage.
struct EventLevels {
    float FrontSteamOpenLevel = 0, FrontSteamMaxLevel = 0, FrontExhaustOpenLevel = 0;
    float RearSteamOpenLevel = 0, RearSteamMaxLevel = 0, RearExhaustOpenLevel = 0;
    float ValveTravel = 0;
    float LeadFrontBase = 0, LeadRearBase = 0, LapFrontBase = 0, LapRearBase = 0;
    float ExClFrontBase = 0, ExClRearBase = 0;
};

// What the steam sees, written by CalcPortOpenings.
struct PortState {
    float PistonTravel = 0;
    float FrontSteamOpening = 0, FrontExhaustOpening = 0;
    float RearSteamOpening = 0, RearExhaustOpening = 0;
};

// Tick-to-tick state of the steam display of each cylinder end.
// The colour of a cylinder end's steam dots: the phase it is in (admission red, expansion
// fuchsia, exhaust blue, compression green), black before any port has opened.
enum class SteamColour : uint8_t { Black, Red, Fuchsia, Blue, Green };

struct SteamState {
    char FrontPhase = 0, RearPhase = 0;
    float FrontDensity = 20, RearDensity = 20;
    int32_t FrontDots = 0, RearDots = 0;
    char FrontExhaustArmed = 0, RearExhaustArmed = 0;
    float FrontBeatDensity = 0, RearBeatDensity = 0;
    // The colours of this tick's dots; the rear starts from the front's.
    SteamColour FrontColour = SteamColour::Black, RearColour = SteamColour::Black;
};

// Cut-off tracking of the readouts: how many more ticks each value stays on screen, the
// previous tick's piston position, and what the picture of this tick shows.
struct CutoffState {
    int32_t FrontTicks = 0, RearTicks = 0;
    float PrevPistonTravel = 0;
    bool LabelsShown = false;       // "FrontCO% " and "RearCO% " are drawn this tick
    bool FrontValueShown = false;   // the front value is drawn beside its label this tick
    bool RearValueShown = false;
};

// The dimension pointer between ticks, and what it shows in the picture of this tick.
struct PointerState {
    int32_t Ticks = 0;
    int32_t BlinkTicks = 0;
    bool ReopenFrameDialog = false;
    bool Active = false;        // from the tick that saved the user's view to the one that restored it
    int32_t ShownCode = 0;      // the code drawn this tick, 0 while no pointer shows
    bool ShownRed = false;      // the line blinks red, otherwise black
    ViewTriple LineView;        // the view the line's model points are mapped with this tick
};

// One dynamic-variable slot: a dimension the user chose, its value and short name.
struct DynVarSlot {
    uint32_t code = 0;
    float value = 0;
    std::string name;
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

// Last and second-to-last positions handled by a self-centring bar.
struct BarHistory {
    int32_t last = 0;
    int32_t secondLast = 0;
};

constexpr int DynVarSlotCount = 5;
constexpr int LineSlotCount = 20;
constexpr int DiagramRevArmEntries = 10;  // entry 0 is the centre, 1..9 the positions
constexpr int PresetCount = 7;

// The name an empty dynamic-variable slot shows: 13 blanks and two question marks.
inline const std::string& EmptySlotName()
{
    static const std::string name = "             ??";
    return name;
}

class MechanismModel {
public:
    // ---- dimensions -------------------------------------------------------------------
    FrameDims Frame;
    CylDims Cyl;
    std::array<float, FrameDimCount> FrameDefaults{};
    CylDims CylDefaults;            // all but CylCLHeight, Reserved included
    float CylCLHeightDefault = 0;
    std::array<Pivot, PivotCount> Pivots{};

    float& CylCLHeight() { return Pivots[Crosshead].y; }
    float CylCLHeight() const { return Pivots[Crosshead].y; }
    float& ValveCLHeight() { return Pivots[ValveJoint].y; }
    float ValveCLHeight() const { return Pivots[ValveJoint].y; }

    // ---- solver results ---------------------------------------------------------------
    float RevArmCentre = 0;
    float AuxRodDiag = 0;
    float RadHangerAngle = 0;  // radians from the vertical
    EventLevels Levels;
    PortState Ports;

    // ---- run state ---------------------------------------------------------------------
    float DriverAngle = 0;
    float StepAngle = 0;
    float ChosenStepAngle = 10.0f;
    float RevArmPosition = 0;
    std::array<float, DiagramRevArmEntries> DiagramRevArmPos{};
    int32_t DiagramRevArmCount = 0;       // positions in use: the run of non-zero entries from 1
    float LastDiagramRevArmPos = 0;       // the position a diagram plotted last
    std::string RunDirection = "Fwd";
    bool MechanismError = false;
    bool ErrorBeepOn = true;
    bool SteamDisplayOn = false;
    int32_t LineWidth = 1;
    float TextScaleX = 1, TextScaleY = 1;
    std::string DimSetName = "Nominal";
    float DiagramVScale = 1.5f;
    float GraphicPosZoom = 7.5f;
    int32_t GraphicDimCode = 0;
    std::string FrontCutoffText, RearCutoffText;
    float DynVarStep = 0.001f;
    std::array<DynVarSlot, DynVarSlotCount> DynVarSlots{};
    // Undo store and dynamic-variable bookkeeping (see model/DynVars.h).
    int32_t DynVarSlotIndex = 1;
    std::array<BarHistory, 5> BarHistories{};  // per slot 1..4, shared by every window's bars
    float ScrollStartValue = 0;
    UndoStore Undo;
    // User line slots 1..20 (index 0 unused) and the slot the lines dialog edits next.
    std::array<LineSlot, LineSlotCount + 1> Lines{};
    int32_t CurrentLineSlot = 1;
    LineDialogState LineDialog;   // the lines dialog's choices and rows (model/LineOverlay.h)
    PivotDataState PivotData;     // the watched pivots and the picture presses (model/PivotData.h)
    float PrevFrontSteamOpening = 0, PrevRearSteamOpening = 0;
    SteamState Steam;
    CutoffState Cutoff;
    int32_t ErrorTicks = 0;  // ticks the mechanism error has been shown
    PointerState Pointer;

    // ---- view --------------------------------------------------------------------------
    float ViewScale = 0, ViewPanX = 0, ViewPanY = 0;
    float SavedZoom = 0, SavedPanX = 0, SavedPanY = 0;
    ViewTriple HomeView;
    std::array<ViewTriple, PresetCount> ViewPresets{};

    DesignFileReserved FileReserved;

    ScreenOutlines Outlines;
    // The view the pivots and outlines of this tick were mapped with; pictures of the tick are
    // drawn with it even when the dimension pointer has changed the view since.
    ViewTriple MappedView;

    // ---- display switches -------------------------------------------------------------
    bool ScreenDataOn = true;
    bool RefPointsOn = false;
    bool DynVarOn = false;
    bool UndoOn = false;
    bool PivotDataOn = false;
    bool LinePromptOn = false;  // the lines dialog waits for a pivot pick on the picture

    // ---- operations --------------------------------------------------------------------
    void ResetRunState();
    void ResetView();
    void LoadFrameDefaults();
    void LoadCylDefaults();
    void ResetFrameDims();
    void ResetCylDims();
    void CalcMidGear();
    void RecalcValveCLHeight();
    // The whole start-up order: resets, defaults and mid gear.
    void StartUp();

    // Dimension access by DimCode (1..27 frame rows, 101..117 cylinder rows), through the
    // dimension table (model/DimensionTable.h); other codes read 0 and write nothing.
    static bool IsFrameCode(int code) { return code >= 1 && code <= FrameDimCount; }
    static bool IsCylCode(int code) { return code > CylCodeBase && code <= CylCodeBase + CylDimCount; }
    static bool IsDimCode(int code) { return IsFrameCode(code) || IsCylCode(code); }
    float GetDim(int code) const;
    // Writes a dimension and keeps what depends on it consistent: the pivot copies of
    // rows 13, 14, 23, 24 and the valve centre-line height for codes 102 and 108.
    void SetDim(int code, float value);
};

// The caption the dimension pointer writes for a frame row (1..27), or "" for others.
// Defined with the dimension table.
const char* FrameDimCaption(int row);

}  // namespace zeph
