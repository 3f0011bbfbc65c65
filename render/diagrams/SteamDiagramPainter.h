// The steam diagram's picture: simulated front and rear indicator loops with their cut-offs.
#pragma once

#include <QString>

#include "model/design/MechanismModel.h"
#include "model/diagrams/SteamIndicator.h"
#include "platform/Canvas.h"
#include "render/diagrams/DiagramFrame.h"

namespace zeph {

// Paints a simulation made by ComputeSteamDiagram onto c, over whatever c holds (erase first
// for a redraw). Reads the model only for texts and the frame end.
DiagramFrameState PaintSteamDiagram(Canvas& c, const MechanismModel& m, const SteamDiagramData& data,
                                    const QString& storedUndoLine, TextScale ts);

}  // namespace zeph
