// What the four diagram pictures share: size, font, opaque texts, grids, position list and frame end.
#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <optional>

#include "model/diagrams/DiagramPositions.h"
#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"
#include "render/text/TextScale.h"

namespace zeph {

// Client areas of the diagram windows; the pictures are drawn for exactly these sizes.
constexpr QSize DiagramClientSize(632, 414);
constexpr QSize OvalClientSize(632, 426);

// The diagrams' font: a sans serif of 11 pixels (8 points at 96 dots per inch).
inline const QString DiagramFontFamily = QStringLiteral("Liberation Sans");
constexpr int DiagramFontPoints = 8;

// Drawing state at the start of every diagram: black 1-pixel pen, the diagram font, regular, black.
void BeginDiagram(Canvas& c);

// Erasing a diagram: the whole client area white, as the window's background.
void EraseDiagram(Canvas& c);

// Text on the window's white background: the text's cell is filled white first, so a text
// written where another stood replaces it.
void DiagramText(Canvas& c, int x, int y, const QString& text);
void BoldDiagramText(Canvas& c, int x, int y, const QString& text);

// A position multiplied by a text scale factor and rounded.
int Scaled(float factor, int position);

// A vertical tick or line from (x, y1) to (x, y2), the end pixel excluded; likewise horizontal.
void VerticalLine(Canvas& c, int x, int y1, int y2);
void HorizontalLine(Canvas& c, int y, int x1, int x2);

// The grid of the oval and steam diagrams: rows 1..9 at 32 i + 55 with short ticks every
// 27 pixels from x 71 and long ticks every 54 pixels from x 98, and the two end lines at
// x 44 and x 584 from y `endTop` to 346.
void DrawStrokeGrid(Canvas& c, int endTop);
// "100" .. "10" along the stroke at y `y`, "0" at (577, 348) and the axis titles at y `titleY`.
void DrawStrokePercentLabels(Canvas& c, int y, int titleY);

// "Reverse Arm Positions" and the centre over the position list.
void DrawPositionListHeading(Canvas& c, TextScale ts, float revArmCentre);
// One row of the position list: number, position and side.
void DrawPositionListRow(Canvas& c, TextScale ts, const ListEntry& entry);
// Pixel row of entry k of the position list: round(12 k ts.y) + 12.
int32_t PositionListRowY(TextScale ts, int index);

// What the end of every draw leaves for the window to show: its dynamic-variable bars and
// their enabled states (set only while the bars are shown), its UnDo button, and the undo line
// to keep for the next draw.
struct DiagramFrameState {
    bool dynVarBarsVisible = false;
    std::optional<std::array<bool, 4>> dynVarBarsEnabled;
    bool undoButtonVisible = false;
    QString undoLine;
};

// The dynamic-variable block and the undo line, run at the end of every draw. `storedUndoLine`
// is the line kept from the last draw (empty at first); the new one comes back in the result.
DiagramFrameState DrawDiagramFrameEnd(Canvas& c, const MechanismModel& m, TextScale ts, const QString& storedUndoLine);

// The undo line of the newest undo level, padded with blanks that cover a longer earlier line.
QString DiagramUndoLine(const MechanismModel& m);

}  // namespace zeph
