// The simulated steam indicator: a pressure model of each cylinder end fed by the port openings.
#pragma once

#include <optional>
#include <vector>

#include "model/diagrams/DiagramPositions.h"
#include "model/design/MechanismModel.h"

namespace zeph {

enum class SteamPhase { Exhaust, Compression, Admission, Expansion };

// One cylinder end of the simulation: its pressure now and at the previous step, the pressure
// when its exhaust last opened, its phase and whether this curve's number stands on its trace.
struct SteamEnd {
    float p = 0, prevP = 0, release = 0;
    SteamPhase phase = SteamPhase::Exhaust;
    bool labelDrawn = false;
};

// The pressure state of the simulation. The previous steam openings are not here: they are the
// model's own previous openings (the readouts keep theirs in the same two values).
struct SteamSimState {
    float pos = 0, prevPos = 0;  // PistonTravel now and at the previous step, 0 front .. 640 rear
    SteamEnd front, rear;
};

// The start of every draw: DriverAngle 96, pistons and pressures 0, the front end exhausting
// and the rear end admitting.
constexpr float SteamStartAngle = 96.0f;
void ResetSteamSimulation(MechanismModel& m, SteamSimState& s);

// Each end works on the piston's distance from its own end of the stroke: pos for the front,
// 640 - pos for the rear, so one set of updates serves both. Every divisor is kept away from
// zero, and an update that would leave the pressure not finite leaves it as it was.
void ExhaustDecay(SteamEnd& e);                                  // p - release / 15, at least 5
void Compression(SteamEnd& e, Real prevDist, Real dist);         // p + (prev / (dist + 1) + 0.3)^4
void Admission(SteamEnd& e, float& steamOpening, Real dist);     // opening at least 0.005, kept so
void Expansion(SteamEnd& e, Real prevDist, Real dist);           // p (prev + 100) / (dist + 100) 0.96

// The phase step of one end: the update its phase calls for and the phase change. steamOpening
// is the model's current opening, which admission may raise.
void PhaseStep(SteamEnd& e, Real prevDist, Real dist, float& steamOpening, float exhaustOpening);

// The marker the steam display's phase cell of an end holds after the diagram ran: '1' on the
// steam side of the cycle (admission, expansion), '2' on the exhaust side (exhaust, compression).
char PhaseMarker(SteamPhase phase);

// A point of the indicator diagram: piston position (0 front .. 640 rear) and pressure; both
// finite, since a segment with a point that is not is left out.
struct SteamPoint {
    Real pos = 0, pressure = 0;
};
struct SteamSegment {
    SteamPoint from, to;
};

// Where the cut-off of one end was met in one step.
struct SteamCutoff {
    Real percent = 0;                        // of stroke from the end the port serves
    std::optional<SteamSegment> line;        // the level mark, from step 61 on
};

// What one end draws in one step, in drawing order: cut-off line and texts, trace, label.
struct SteamEndDraw {
    std::optional<SteamCutoff> cutoff;
    std::optional<SteamSegment> trace;       // from step 61 on
    std::optional<float> label;              // the piston position the curve's number goes with
};

struct SteamStepDraw {
    int step = 0;                            // 1..150
    SteamEndDraw front, rear;
};

// One list position: its list row and the steps that draw something.
struct SteamRun {
    ListEntry entry;
    bool forward = true;                     // at or ahead of mid gear: the driver turns forwards
    std::vector<SteamStepDraw> steps;        // only steps with something to draw
    std::optional<Real> frontCutoff, rearCutoff;  // the last percentage printed
};

struct SteamDiagramData {
    float revArmCentre = 0;
    std::vector<SteamRun> runs;
};

constexpr int SteamStepsPerPosition = 150;
constexpr int SteamSettleSteps = 60;   // drawn only after these
constexpr float SteamStepAngle = 4.0f;

// Runs the whole simulation, one continuous run through every list position. Saves and
// restores DriverAngle and RevArmPosition, leaves the last plotted position in
// LastDiagramRevArmPos, the phase markers in the steam display's phase cells and the last
// step's steam openings as the model's previous openings.
SteamDiagramData ComputeSteamDiagram(MechanismModel& m);

}  // namespace zeph
