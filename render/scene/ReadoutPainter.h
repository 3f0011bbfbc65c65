// Painting of the readouts over the picture: values, cut-offs, prompts, reference points, dynamic variables, undo line.
#pragma once

#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"
#include "render/text/TextScale.h"

namespace zeph {

// Everything the main window's picture shows in text, in the order it is drawn: the undo line
// (while the undo display and the screen data are on), then, only while the screen data are
// on, the view labels and the mechanism's values, the pivot-data panel (while the pivot data
// are on), the pivot-selection prompt, the cut-offs
// the tick left to show, the reference points and the dynamic variables. Positions grow with
// the large font; the numbers beside pivots and reference points do not, and the
// labels of the pan and zoom bars keep their bars' rows (ViewBarLabelsLeft). A figure that
// cannot show is left blank (ReadoutFigures); returns whether there was one.
bool DrawReadouts(Canvas& c, const MechanismModel& m, TextScale ts);

// Where the main window's "UnDo" button stands beside the undo line (its top, in pixels), and
// whether it shows at all.
bool UndoButtonShown(const MechanismModel& m);
int UndoButtonTop(const MechanismModel& m, TextScale ts);

// Where the labels of the pan and zoom bars begin (x, in pixels). They stand in their bars'
// rows, which the large font does not move, between the bars and the gear buttons; the room
// they take grows with the horizontal text scale, and the bars end two pixels before it.
int ViewBarLabelsLeft(TextScale ts);

}  // namespace zeph
