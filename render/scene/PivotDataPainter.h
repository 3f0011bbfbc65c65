// The pivot-data panel: six watched pivots with their positions, their numbers on the drawing and the distances of three pairs.
#pragma once

#include <QPoint>

#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"
#include "render/text/TextScale.h"

namespace zeph {

// The panel at the left of the picture: a heading, the slot numbers 1..6 in red, and for every
// shown slot its pivot's vertical and horizontal position and its number in red beside the
// pivot on the drawing; the distance of slots 1-2, 3-4 and 5-6 where both of a pair show.
// Panel positions grow with the large font, the numbers on the drawing do not. Returns whether
// some figure could not show and was left blank (ReadoutFigures).
bool DrawPivotData(Canvas& c, const MechanismModel& m, TextScale ts);

// Where the main window's "DataTable" button stands (its top-left, in pixels): below the
// panel's last row, both coordinates grown with the text scale as the panel's are.
QPoint DataTableButtonPlace(TextScale ts);

// The slot (1..6) whose number in the panel a press at client pixel (x, y) hits, or 0. A row
// takes presses strictly inside its band: text-scaled heights 142 + 10k .. 151 + 10k, and
// x from 1 up to, but not including, 20 text-scaled.
int PivotSlotRowAt(TextScale ts, int x, int y);

}  // namespace zeph
