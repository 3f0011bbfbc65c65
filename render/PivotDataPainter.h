// The pivot-data panel: six watched pivots with their positions, their numbers on the drawing and the distances of three pairs.
#pragma once

#include <QPoint>

#include "model/MechanismModel.h"
#include "platform/Canvas.h"

namespace zeph {

// The panel at the left of the picture: a heading, the slot numbers 1..6 in red, and for every
// shown slot its pivot's vertical and horizontal position and its number in red beside the
// pivot on the drawing; the distance of slots 1-2, 3-4 and 5-6 where both of a pair show.
// Panel positions grow with the large font, the numbers on the drawing do not. Returns whether
// some figure could not show and was left blank (ReadoutFigures).
bool DrawPivotData(Canvas& c, const MechanismModel& m);

// Where the main window's "DataTable" button stands (its top-left, in pixels): below the
// panel's last row, both coordinates grown with the text scale as the panel's are.
QPoint DataTableButtonPlace(const MechanismModel& m);

}  // namespace zeph
