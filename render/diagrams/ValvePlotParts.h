// Parts the sine and oval pictures share: scale, port lines, curves and the mid-gear figures.
#pragma once

#include "model/design/MechanismModel.h"
#include "model/diagrams/ValveCurves.h"
#include "platform/Canvas.h"
#include "render/text/TextScale.h"

namespace zeph {

// "Scale =" with the scale, "Units Travel", "Front", "Rear", then the vertical scale: minor
// ticks every 0.02 units, major ticks every 0.1 units labelled at x `labelX` (only every
// fifth of each beyond a scale of 3.75).
void DrawTravelScale(Canvas& c, Real scale, int labelX);

// The six port lines with their labels: lime for the front port, red for the rear.
void DrawPortLines(Canvas& c, const ValveDiagramData& data);

// Every curve in list order: its list row, its segments with its bold numbers, and in mid
// gear its lead, lap and exhaust clearance.
void DrawValveCurves(Canvas& c, const ValveDiagramData& data, TextScale ts);

// The plot under the curves and the curves, in drawing order: scale, position list heading,
// port lines, curves.
void DrawValvePlot(Canvas& c, const ValveDiagramData& data, int scaleLabelX, TextScale ts);

}  // namespace zeph
