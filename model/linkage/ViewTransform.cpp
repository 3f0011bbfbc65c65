// Model-to-screen mapping, the zoom step, the self-centring bar rule and the steam passage heights.
#include "model/linkage/ViewTransform.h"

#include <cmath>
#include <cstdlib>

namespace zeph {

int32_t RoundPixel(Real v)
{
    constexpr Real limit = 1000000;
    if (std::isnan(v)) return -static_cast<int32_t>(limit);
    if (v > limit) v = limit;
    if (v < -limit) v = -limit;
    return static_cast<int32_t>(std::rint(v));  // round half to even, as nearbyint, without its cost
}

int32_t RoundInt(Real v)
{
    constexpr Real limit = 2147483000.0L;
    if (std::isnan(v)) return 0;
    if (v > limit) v = limit;
    if (v < -limit) v = -limit;
    return static_cast<int32_t>(std::rint(v));  // round half to even, as nearbyint, without its cost
}

int32_t ScreenX(const ViewTriple& v, Real x)
{
    return RoundPixel(x * v.scale + v.panX);
}

int32_t ScreenY(const ViewTriple& v, Real y)
{
    return RoundPixel(-y * v.scale + v.panY);
}

int32_t ScreenX(const MechanismModel& m, Real x)
{
    return RoundPixel(x * m.ViewScale + m.ViewPanX);
}

int32_t ScreenY(const MechanismModel& m, Real y)
{
    return RoundPixel(-y * m.ViewScale + m.ViewPanY);
}

ViewTriple CurrentView(const MechanismModel& m)
{
    return {m.ViewScale, m.ViewPanX, m.ViewPanY};
}

void SetView(MechanismModel& m, const ViewTriple& v)
{
    m.ViewScale = v.scale;
    m.ViewPanX = v.panX;
    m.ViewPanY = v.panY;
}

void MapPivots(MechanismModel& m)
{
    m.MappedView = CurrentView(m);
}

int32_t PassageHeight(const MechanismModel& m)
{
    const ViewTriple& v = m.MappedView;
    const Real yc = m.CylCLHeight(), yv = m.ValveCLHeight(), Dc = m.Cyl.CylBoreDia, Dv = m.Cyl.ValveBoreDia;
    return ScreenY(v, yc + Dc / 2) - ScreenY(v, yv - Dv / 2);
}

int32_t ChamberHeight(const MechanismModel& m)
{
    const ViewTriple& v = m.MappedView;
    const Real yv = m.ValveCLHeight(), Dv = m.Cyl.ValveBoreDia;
    return ScreenY(v, yv - Dv / 2) - ScreenY(v, yv + Dv / 2);
}

Real BarStep(int32_t p, int32_t last, int32_t secondLast, Real k, int32_t small, int32_t large)
{
    Real d = 0;
    if (p > 0 && secondLast < p) d = p / k;
    if (p < 0 && secondLast < p) d = -p / k;
    if (p < 0 && p < secondLast) d = p / k;
    if (p > 0 && p < secondLast) d = -p / k;
    const int32_t moved = std::abs(p - last);
    if (moved == small) d = p / k;
    if (moved == large) d = p / k;
    return d;
}

void ApplyZoomStep(MechanismModel& m, Real d)
{
    const Real s0 = m.ViewScale, x0 = m.ViewPanX, y0 = m.ViewPanY;
    Real scale = m.ViewScale;
    if (scale > MaxViewScale) scale = MaxViewScale;
    scale = scale + scale * d * 0.01L;
    m.ViewPanX = static_cast<float>((x0 - 320) * scale / s0 + 320);
    m.ViewPanY = static_cast<float>(scale * (y0 - 240) / s0 + 240);
    if (scale > MaxViewScale) scale = MaxViewScale;
    if (scale < MinViewScale) scale = MinViewScale;
    m.ViewScale = static_cast<float>(scale);
}

}  // namespace zeph
