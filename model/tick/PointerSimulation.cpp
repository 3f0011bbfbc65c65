// The dimension pointer from tick to tick: its view, blink, life and the dialog it belongs to.
#include "model/tick/PointerSimulation.h"

#include <cmath>

#include "model/design/DimensionTable.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

constexpr float DefaultGraphicZoom = 7.5f;

// The pointer's zoom, kept within the range the zoom bar allows; a broken graphic-zoom setting
// falls back to the code's own constant.
float PointerZoom(float zoomK, float graphicZoom)
{
    Real z = Real(zoomK) / graphicZoom * DefaultGraphicZoom;
    if (!std::isfinite(z)) z = zoomK;
    if (z > MaxViewScale) z = MaxViewScale;
    if (z < MinViewScale) z = MinViewScale;
    return static_cast<float>(z);
}

// The user's view is saved by the first tick of a pointer, whatever the tick count says: a
// mouse press before that tick must still give the view back unchanged.
void Begin(MechanismModel& m, TickEvents& events)
{
    m.SavedZoom = m.ViewScale;
    m.SavedPanX = m.ViewPanX;
    m.SavedPanY = m.ViewPanY;
    m.Pointer.Active = true;
    events.busyCursor = true;
}

void Finish(MechanismModel& m, TickEvents& events)
{
    PointerState& p = m.Pointer;
    p.Ticks = 0;
    p.BlinkTicks = 0;
    p.Active = false;
    m.GraphicDimCode = 0;
    SetView(m, {m.SavedZoom, m.SavedPanX, m.SavedPanY});
    events.reopenDialog = p.ReopenFrameDialog ? TickEvents::Dialog::Frame : TickEvents::Dialog::Cylinder;
    events.busyCursor = false;
}

}  // namespace

bool PointerViewOf(const MechanismModel& m, int code, ViewTriple& view)
{
    const DimensionInfo* d = FindDimension(code);
    if (!d) return false;
    view.scale = PointerZoom(d->pointer.zoomK, m.GraphicPosZoom);
    view.panX = d->pointer.setsPan ? d->pointer.panX : m.ViewPanX;
    view.panY = d->pointer.setsPan ? d->pointer.panY : m.ViewPanY;
    return true;
}

void StepPointer(MechanismModel& m, TickEvents& events)
{
    PointerState& p = m.Pointer;
    const int code = m.GraphicDimCode;
    p.ShownCode = code > 0 ? code : 0;
    if (code <= 0) return;
    p.ReopenFrameDialog = code <= 99;
    events.closeDialog = p.ReopenFrameDialog ? TickEvents::Dialog::Frame : TickEvents::Dialog::Cylinder;
    if (!p.Active) Begin(m, events);
    ++p.Ticks;
    ++p.BlinkTicks;
    p.ShownRed = p.BlinkTicks < 4;
    ViewTriple view;
    if (PointerViewOf(m, code, view)) SetView(m, view);
    p.LineView = CurrentView(m);
    if (p.BlinkTicks > 5) p.BlinkTicks = 0;
    if (p.Ticks > PointerLifeTicks) Finish(m, events);
}

void CancelPointer(MechanismModel& m)
{
    if (m.GraphicDimCode != 0) m.Pointer.Ticks = PointerCancelTicks;
}

}  // namespace zeph
