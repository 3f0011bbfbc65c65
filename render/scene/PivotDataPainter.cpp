// The pivot-data panel: six watched pivots with their positions, their numbers on the drawing and the distances of three pairs.
#include "render/scene/PivotDataPainter.h"

#include <cmath>

#include "model/overlay/PivotData.h"
#include "model/linkage/ViewTransform.h"
#include "platform/Colour.h"
#include "render/text/ReadoutFigures.h"
#include "render/text/TextPlacement.h"

namespace zeph {

namespace {

const Pivot& SlotPivotOf(const MechanismModel& m, int slot)
{
    return m.Pivots[static_cast<size_t>(SlotPivot(m, slot))];
}

bool Shown(const MechanismModel& m, int slot)
{
    return m.PivotData.PivotSlotShown[static_cast<size_t>(slot)];
}

// The slot's number beside its pivot on the drawing, with the view the tick mapped the pivots with.
void NumberOnDrawing(Canvas& c, const MechanismModel& m, int slot)
{
    const Pivot& p = SlotPivotOf(m, slot);
    const ViewTriple& v = m.MappedView;
    const int x = RoundPixel(Real(p.x) * v.scale + v.panX + 4);
    const int y = RoundPixel(v.panY - Real(p.y) * v.scale - 12);
    c.TextOut(x, y, QString::number(slot));
}

// The distance of a slot and the next one, when both show.
void PairDistance(Canvas& c, const MechanismModel& m, TextScale ts, ReadoutFigures& figures, int first, int y)
{
    if (!Shown(m, first) || !Shown(m, first + 1)) return;
    const Pivot& a = SlotPivotOf(m, first);
    const Pivot& b = SlotPivotOf(m, first + 1);
    const Real dy = Real(a.y) - b.y, dx = Real(a.x) - b.x;
    ScaledTextOut(c, ts, 90, y, figures.Text(double(std::sqrt(dy * dy + dx * dx)), 7, 3));
}

}  // namespace

bool DrawPivotData(Canvas& c, const MechanismModel& m, TextScale ts)
{
    ReadoutFigures figures;
    ScaledTextOut(c, ts, 1, 128, "    Pivot Data");
    ScaledTextOut(c, ts, 1, 138, "No.  Vert     Horz");
    for (int slot = 1; slot <= PivotDataSlotCount; ++slot) {
        const int y = 140 + 10 * slot;
        c.SetFontColor(clRed);
        ScaledTextOut(c, ts, 3, y, QString::number(slot));
        c.SetFontColor(clBlack);
        if (Shown(m, slot)) {
            const Pivot& p = SlotPivotOf(m, slot);
            ScaledTextOut(c, ts, 12, y, figures.Text(p.y, 7, 3));
            ScaledTextOut(c, ts, 50, y, figures.Text(p.x, 7, 3));
            c.SetFontColor(clRed);
            NumberOnDrawing(c, m, slot);
            c.SetFontColor(clBlack);
        }
        if (slot % 2 == 1) PairDistance(c, m, ts, figures, slot, y + 5);
    }
    return figures.AnyBlanked();
}

QPoint DataTableButtonPlace(TextScale ts)
{
    return {RoundInt(Real(ts.x) * 2), RoundInt(Real(ts.y) * 214)};
}

int PivotSlotRowAt(TextScale ts, int x, int y)
{
    const Real sx = ts.x, sy = ts.y;
    if (x < 1 || x >= RoundInt(sx * 20)) return 0;
    for (int k = 1; k <= PivotDataSlotCount; ++k)
        if (RoundInt(sy * (142 + 10 * k)) < y && y < RoundInt(sy * (151 + 10 * k))) return k;
    return 0;
}

}  // namespace zeph
