// The view: the self-centring pan, zoom and reference-point bars, the presets, the reference points.
#include "ui/session/ViewControl.h"

#include "model/linkage/PictureGeometry.h"
#include "model/linkage/ViewTransform.h"
#include "ui/session/SelfCentre.h"

namespace zeph {

namespace {

// A view bar: what a position is worth, and its range and steps.
BarScale ScaleOf(ViewBar bar)
{
    const bool pan = bar == ViewBar::PanVertical || bar == ViewBar::PanHorizontal || bar == ViewBar::Zoom;
    return {pan ? Real(10) : Real(1000), RangeOf(bar)};
}

size_t RefIndex(int point) { return point == 1 ? 0 : 1; }
int RefPivot(int point) { return point == 1 ? RefPoint1 : RefPoint2; }

}  // namespace

void ViewControl::ApplyViewBarStep(ViewBar bar, Real d)
{
    auto moveRef = [this, d](int pivot, bool isX, int zero) {
        float& v = isX ? m.Pivots[pivot].x : m.Pivots[pivot].y;
        v = static_cast<float>(v + d);
        c_.refZeroEnabled[static_cast<size_t>(zero)] = true;
    };
    switch (bar) {
    case ViewBar::PanVertical: m.ViewPanY = static_cast<float>(m.ViewPanY - d); break;
    case ViewBar::PanHorizontal: m.ViewPanX = static_cast<float>(m.ViewPanX + d); break;
    case ViewBar::Zoom: ApplyZoomStep(m, d); break;
    case ViewBar::Ref1Vertical: moveRef(RefPoint1, false, 0); return;
    case ViewBar::Ref1Horizontal: moveRef(RefPoint1, true, 0); return;
    case ViewBar::Ref2Vertical: moveRef(RefPoint2, false, 1); return;
    case ViewBar::Ref2Horizontal: moveRef(RefPoint2, true, 1); return;
    }
    c_.normEnabled = true;
}

void ViewControl::MoveViewBar(ViewBar bar, int position)
{
    BarHistory& history = viewBarHistories_[static_cast<size_t>(bar)];
    SelfCentre(m, history, ScaleOf(bar), position, [this, bar](Real step) { ApplyViewBarStep(bar, step); });
    Emit(Change::View);
}

void ViewControl::NormView()
{
    m.SavedZoom = m.ViewScale;
    m.SavedPanX = m.ViewPanX;
    m.SavedPanY = m.ViewPanY;
    SetView(m, m.HomeView);
    c_.normEnabled = false;
    c_.presetArmed = false;
    Emit(Change::View);
}

void ViewControl::ArmPreset()
{
    m.ViewPresets[0] = CurrentView(m);
    c_.presetArmed = true;
    c_.normEnabled = true;
    Emit(Change::View);
}

void ViewControl::RecallPreset(int n)
{
    if (n < 1 || n >= PresetCount) return;
    if (c_.presetArmed) m.ViewPresets[static_cast<size_t>(n)] = m.ViewPresets[0];
    SetView(m, m.ViewPresets[static_cast<size_t>(n)]);
    c_.normEnabled = true;
    c_.presetArmed = false;
    Emit(Change::View);
}

void ViewControl::CentreOnReferencePoint(int point)
{
    const Pivot& p = m.Pivots[RefPivot(point)];
    const PanBarNudge nudge = CentreViewOn(m, p.x, p.y);
    MoveViewBar(ViewBar::PanHorizontal, nudge.horizontal);
    MoveViewBar(ViewBar::PanVertical, nudge.vertical);
    Emit(Change::View);
}

void ViewControl::ZeroReferencePoint(int point)
{
    Pivot& p = m.Pivots[RefPivot(point)];
    p.x = p.y = 0;
    c_.refZeroEnabled[RefIndex(point)] = false;
    Emit(Change::View);
}

void ViewControl::ShowReferencePoints(bool on)
{
    m.RefPointsOn = on;
    if (!on) m.PivotDataOn = false;
    Emit(Change::View | Change::Display);
}

void ViewControl::ToggleReferencePoints() { ShowReferencePoints(!m.RefPointsOn); }

void ViewControl::PlaceReferencePoint(int point, float x, float y)
{
    Pivot& ref = m.Pivots[RefPivot(point)];
    ref.x = x;
    ref.y = y;
    c_.refZeroEnabled[RefIndex(point)] = true;
    Emit(Change::View);
}

void ViewControl::SetReferencePoints(float y1, float x1, float y2, float x2)
{
    Pivot& p1 = m.Pivots[RefPoint1];
    Pivot& p2 = m.Pivots[RefPoint2];
    p1.y = y1;
    p1.x = x1;
    p2.y = y2;
    p2.x = x2;
    if (p1.y != 0 || p1.x != 0) c_.refZeroEnabled[0] = true;
    if (p2.y != 0 || p2.x != 0) c_.refZeroEnabled[1] = true;
    ShowReferencePoints(true);
}

void ViewControl::CancelReferencePoints() { ShowReferencePoints(false); }

void ViewControl::ZeroReferencePoints()
{
    for (int i : {int(RefPoint1), int(RefPoint2)}) m.Pivots[i].x = m.Pivots[i].y = 0;
    c_.refZeroEnabled = {false, false};
    CancelReferencePoints();
}

}  // namespace zeph
