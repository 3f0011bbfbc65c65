// One tick of the animation, in the order the main window's timer runs it, free of any window.
#pragma once

#include "model/design/MechanismModel.h"
#include "model/tick/TickEvents.h"

namespace zeph {

// The whole tick: solve the linkage and the port openings at the current angle and gear, map
// the pivots and outlines to the screen, track the cut-offs, step the steam (while shown), the
// error indicator and the dimension pointer, and advance the driver angle; the picture of the
// tick is painted after it. The linkage is thus
// solved at the angle before the step, while the picture shows the angle after it, which the
// next tick solves. Returns what the tick asks of the world (sounds, icon, dialogs).
TickEvents SimulateTick(MechanismModel& m);

// Its parts, for the picture tests and the tools that step the animation themselves:
// solve, openings, mapping and outlines;
void SolveAndMap(MechanismModel& m);
// the cut-offs, steam, error indicator and pointer of the tick (no solving, no angle change);
TickEvents UpdateTickState(MechanismModel& m);
// the driver angle advanced by the step in the gear's direction and wrapped: above 360.1 loses
// 360 once, then below 0 gains 360 once.
void AdvanceDriverAngle(MechanismModel& m);

// The warning of a linkage that cannot close: shown for nine ticks, then the error sound, and
// forgotten after twenty ticks unless the solver raises it again. Only while the screen data are on.
void StepErrorIndicator(MechanismModel& m, TickEvents& events);

}  // namespace zeph
