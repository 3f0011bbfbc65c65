// The user's lines and circles over the mechanism, each fixed to the frame or carried by its pivots.
#pragma once

#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"

namespace zeph {

// Slots 1..20 in order: the pen takes each slot's colour (black where the slot holds none),
// then the slot's line or circle is drawn with the tick's view; a circle's box reaches one pixel
// further right and down. The last slot's colour stays on the pen for what follows (the
// reference-point crosses).
void DrawUserLines(Canvas& c, const MechanismModel& m);

}  // namespace zeph
