// The steam in each cylinder end from tick to tick: phase, density, dot count and exhaust beats.
#pragma once

#include "model/design/MechanismModel.h"
#include "model/tick/TickEvents.h"

namespace zeph {

// One tick of the steam display, run only while it is on: the phase and dot colour of each end
// from its port openings, its density and dot count, the error beeps of a collapsed passage or
// chamber, and the exhaust beats (armed once the port was seen closed, never while a dimension
// pointer shows; each as loud as the other end's last beat was dense).
void StepSteam(MechanismModel& m, TickEvents& events);

// The zoom the dot counts scale with: the view's, kept within the zoom range the controls
// allow (a view opened from a file may hold any number), so no picture asks for more dots than
// the most magnified view shows; 0 for a view that is not a number.
Real DotZoom(Real viewScale);

// A passage or chamber height as the dots use it: a collapsed (zero) height counts as 1.
inline int32_t DotHeight(int32_t h) { return h != 0 ? h : 1; }

// The exhaust beat's loudness for a steam density (both channels alike); 0 keeps the volume.
uint32_t BeatVolume(int32_t v);

}  // namespace zeph
