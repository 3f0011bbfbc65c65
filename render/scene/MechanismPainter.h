// Painting of the driver, the pivots, the fixed-pivot marks, the guide link and the rods.
#pragma once

#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"
#include "render/scene/SceneGeometry.h"

namespace zeph {

// Every shape mapped from model units uses the view the tick's pivots were mapped with.

// Driver wheel, counterweight arc, hub, crank pin and the pivot circles, black pen.
void DrawDriverAndPivots(Canvas& c, const MechanismModel& m);
// Red diagonal crosses on the fixed pivots 0, 6, 12 and 16.
void DrawFixedPivotMarks(Canvas& c, const SceneGeometry& g);
// The upper arc of the guide link about its radius centre, in the current (red) pen.
void DrawGuideLink(Canvas& c, const MechanismModel& m);
// The rods as one pen path in their colours, ending with the reach rod towards the cab.
void DrawRods(Canvas& c, const SceneGeometry& g);

}  // namespace zeph
