// Port openings, piston travel and the event-crossing rule shared by readouts and diagrams.
#pragma once

#include <optional>

#include "model/design/MechanismModel.h"

namespace zeph {

// Fills m.Ports from DriverAngle, the crank dimensions, pivot 4 x and the cylinder
// dimensions. Must follow a SolveLinkage for the same angle and gear.
void CalcPortOpenings(MechanismModel& m);

// Piston position 0 (front dead centre) .. 640 (rear) for a crank angle in degrees.
float PistonTravelAt(MechanismModel& m, Real driverAngleDeg);

// Piston position at which an opening crossed zero between the previous step and this
// one, by linear interpolation; nullopt if the sign did not change in the given sense.
// Rising: opening went from below zero to zero or more. Falling: from above zero to zero
// or less.
enum class Crossing { Rising, Falling };
std::optional<Real> EventCrossing(Crossing sense, Real prevOpening, Real opening,
                                  Real prevPiston, Real piston);

// The interpolated piston position of a zero crossing (no sign test).
Real CrossingPiston(Real prevOpening, Real opening, Real prevPiston, Real piston);

// Percent of stroke from the end a port serves: front p/6.4, rear (640-p)/6.4.
inline Real FrontPercent(Real piston) { return piston / 6.4L; }
inline Real RearPercent(Real piston) { return (640 - piston) / 6.4L; }

}  // namespace zeph
