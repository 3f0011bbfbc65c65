// Cut-off percentages measured as the animation runs: where each steam port closed, and how long it shows.
#pragma once

#include <optional>

#include "model/design/MechanismModel.h"

namespace zeph {

// A steam port that was open at the previous tick and is closed now (below zero, or not a
// number): the piston position at which it closed, by the shared crossing interpolation.
std::optional<Real> CutoffCrossing(Real prevOpening, Real opening, Real prevPiston, Real piston);

// One tick of the cut-off readouts, only while the screen data are on: a port that closed sets
// its percentage text and keeps it on screen for about one turn; the labels show only at steps
// between 0 and 23 degrees, and a value's ticks run down only while it is drawn. Ends by keeping
// this tick's piston position and steam openings for the next.
void TrackCutoffs(MechanismModel& m);

}  // namespace zeph
