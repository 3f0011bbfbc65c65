// Where the steam diagram puts its traces, cut-off figures and curve numbers, in pixels.
#include "render/diagrams/SteamPlotLayout.h"

#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

constexpr int32_t FrontLabelY = 122, RearLabelY = 135;
constexpr Real FrontLabelBase = 568, RearLabelBase = 600;

}  // namespace

int32_t SteamColumn(Real pos) { return RoundPixel(584 - pos * 0.84375L); }

int32_t SteamRow(Real pressure) { return RoundPixel(343 - pressure * 0.9L); }

SteamPixel SteamPixelOf(const SteamPoint& p) { return {SteamColumn(p.pos), SteamRow(p.pressure)}; }

int32_t CutoffRowY(int index) { return 13 * index + 233; }

SteamPixel SteamLabelPixel(bool rear, float pos)
{
    const Real x = (rear ? RearLabelBase : FrontLabelBase) - Real(pos) * 0.84L;
    return {RoundPixel(x), rear ? RearLabelY : FrontLabelY};
}

}  // namespace zeph
