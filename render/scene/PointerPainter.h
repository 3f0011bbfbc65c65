// Painting of the dimension pointer: hourglass, the blinking line along the dimension, its name.
#pragma once

#include <QPoint>
#include <vector>

#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"
#include "render/scene/SceneGeometry.h"
#include "render/text/TextScale.h"

namespace zeph {

// The screen polyline marking the dimension of a code, from the picture's pivots and outlines
// and, for points given in model units, the pointer's view of the tick. Codes 26 and 27 (the
// two-coloured reverse-arm bar) and unknown codes give an empty path.
std::vector<QPoint> PointerPath(const MechanismModel& m, const SceneGeometry& g, int code);

// The pointer as the tick left it (nothing while none shows): the hourglass in fixed pixels,
// the line along the dimension with a 3-pixel pen, red or black as it blinks, and the
// dimension's name in large letters at the text-scaled base (30, 75).
void DrawPointer(Canvas& c, const MechanismModel& m, const SceneGeometry& g, TextScale ts);

}  // namespace zeph
