// The simulation state: what the solver, the tick, the commands and the panels carry from one moment to the next.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/design/Design.h"
#include "model/overlay/OverlayState.h"
#include "model/editing/UndoStore.h"

namespace zeph {

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

// Last and second-to-last positions handled by a self-centring bar.
struct BarHistory {
    int32_t last = 0;
    int32_t secondLast = 0;
};

constexpr int DynVarSlotCount = 5;

// The name an empty dynamic-variable slot shows: 13 blanks and two question marks.
inline const std::string& EmptySlotName()
{
    static const std::string name = "             ??";
    return name;
}

// Which way the driver turns: forwards at or ahead of mid gear, backwards behind it.
enum class RunDirection : uint8_t { Forward, Reverse };

// What a design does not hold: the solver's results, the run state, the steam display, the
// cut-off readouts, the dimension pointer, the dynamic variables and the panels' choices.
struct SimulationState {
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
    int32_t DiagramRevArmCount = 0;       // list positions in use: the run of non-zero entries from 1
    RunDirection Direction = RunDirection::Forward;
    bool MechanismError = false;
    bool ErrorBeepOn = true;
    bool SteamDisplayOn = false;
    int32_t LineWidth = 1;
    int32_t GraphicDimCode = 0;
    std::string FrontCutoffText, RearCutoffText;
    float DynVarStep = 0.001f;
    std::array<DynVarSlot, DynVarSlotCount> DynVarSlots{};
    // Dynamic-variable bookkeeping (see model/editing/DynVars.h).
    int32_t DynVarSlotIndex = 1;
    std::array<BarHistory, 5> BarHistories{};  // per slot 1..4, shared by every window's bars
    float ScrollStartValue = 0;
    UndoStore Undo;  // the undo levels, each one command of one or more dimension changes
    LineDialogState LineDialog;   // the lines dialog's choices and rows (model/overlay/LineOverlay.h)
    PivotDataState PivotData;     // the watched pivots and the picture presses (model/overlay/PivotData.h)
    float PrevFrontSteamOpening = 0, PrevRearSteamOpening = 0;
    SteamState Steam;
    CutoffState Cutoff;
    int32_t ErrorTicks = 0;  // ticks the mechanism error has been shown
    PointerState Pointer;

    // ---- view --------------------------------------------------------------------------
    float SavedZoom = 0, SavedPanX = 0, SavedPanY = 0;
    ViewTriple HomeView;

    // The view this tick's picture is mapped with (pivots and outlines); pictures of the tick
    // are drawn with it even when the dimension pointer has changed the view since.
    ViewTriple MappedView;

    // ---- display switches -------------------------------------------------------------
    bool ScreenDataOn = true;
    bool RefPointsOn = false;
    bool DynVarOn = false;
    bool UndoOn = false;
    bool PivotDataOn = false;
    bool LinePromptOn = false;  // the lines dialog waits for a pivot pick on the picture
};

}  // namespace zeph
