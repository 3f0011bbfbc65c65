// The user's lines and circles over the mechanism, each fixed to the frame or carried by its pivots.
#include "render/scene/UserLinesPainter.h"

#include <algorithm>

#include "model/overlay/LineOverlay.h"
#include "model/linkage/ViewTransform.h"
#include "platform/Colour.h"

namespace zeph {

void DrawUserLines(Canvas& c, const MechanismModel& m)
{
    const ViewTriple& v = m.MappedView;
    for (int slot = 1; slot <= LineSlotCount; ++slot) {
        c.SetPenColor(SlotColour(m.Lines[static_cast<size_t>(slot)]).value_or(clBlack));
        const LineShape s = SlotShape(m, slot);
        if (s.kind == LineShape::Line) {
            c.MoveTo(ScreenX(v, s.x1), ScreenY(v, s.y1));
            c.LineTo(ScreenX(v, s.x2), ScreenY(v, s.y2));
        } else if (s.kind == LineShape::Circle) {
            const int a = ScreenX(v, s.x1 - s.r), b = ScreenX(v, s.x1 + s.r);
            const int top = ScreenY(v, s.y1 + s.r), bottom = ScreenY(v, s.y1 - s.r);
            c.Ellipse(std::min(a, b), std::min(top, bottom), std::max(a, b) + 1, std::max(top, bottom) + 1);
        }
    }
}

}  // namespace zeph
