// Where the sine and oval pictures put their curves, curve numbers and port lines, in pixels.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/core/Real.h"
#include "model/diagrams/ValveCurves.h"

namespace zeph {

// One plotted pixel; not valid when the value behind it is not a finite number, in which case
// no segment starts or ends there.
struct PlotPoint {
    int32_t x = 0, y = 0;
    bool valid = false;
};

// The curve's number printed in bold next to it, before segment `beforeSegment` is drawn
// (segment i joins point i - 1 to point i).
struct CurveMark {
    int32_t x = 0, y = 0;
    int beforeSegment = 0;
    bool valid = false;
};

// A horizontal line marking where a port begins to open or is fully open, with its label.
struct PortLine {
    bool front = true;   // lime for the front port, red for the rear
    const char* label = "";
    int32_t y = 0;       // the line's row, drawn from x 15 to endX
    int32_t endX = 0;
    int32_t labelX = 0, labelY = 0;
    bool valid = false;  // the level maps to a finite row
};

// Pixel row of a valve travel (positive forwards) at a scale: 215 - 375 travel / scale.
int32_t TravelRow(Real scale, Real travel);
// Pixel column of a piston fraction (ValveCurve::pistonFraction): round(270.5 p + 314).
int32_t OvalColumn(Real fraction);

// A curve's points: one per solve, the sine's one pixel per degree from x 58, the oval's at its
// piston column.
std::vector<PlotPoint> CurvePoints(const ValveDiagramData& data, const ValveCurve& curve);
// Where the curve's number stands: the sine's once at x 45, the oval's twice, above or below
// the curve by which valve edge is the wider.
std::vector<CurveMark> CurveMarks(const ValveDiagramData& data, const ValveCurve& curve);
// The six port lines in ValveDiagramData::portLevels order, at the diagram's scale.
std::array<PortLine, 6> PortLines(const ValveDiagramData& data);

}  // namespace zeph
