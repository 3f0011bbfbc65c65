// Where the port events graph puts its rows, event columns, normal-gear line and annotated cycle, in pixels.
#include "render/diagrams/PortsGraphLayout.h"

#include <cmath>

#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

constexpr Real ColumnScale = 0.84375L;  // 540 pixels for the stroke
constexpr int32_t ColumnOrigin = 9;
constexpr int32_t MidGearRowY = 343;
constexpr int32_t RowPitch = 16;
constexpr Real FullGearRise = 288;  // pixels from mid gear up to full gear

// The unrounded column of a front event met at pos, 0 when it was not met.
Real CycleColumn(const std::optional<float>& pos)
{
    return pos ? Real(*pos) * ColumnScale + ColumnOrigin : 0;
}

}  // namespace

int32_t PortRowY(int row) { return MidGearRowY - RowPitch * row; }

int32_t PortEventColumn(PortEvent e, Real pos)
{
    const Real column = IsFrontPortEvent(e) ? pos * ColumnScale : 540 - pos * ColumnScale;
    return RoundPixel(column) + ColumnOrigin;
}

std::optional<int32_t> NormalGearRowY(const PortEventsData& data)
{
    const Real y = MidGearRowY - Real(data.revArmNormal) * FullGearRise / data.revArmMax;
    if (!std::isfinite(y)) return std::nullopt;
    return RoundPixel(y);
}

CycleColumns CycleColumnsOf(const PortEventsData& data)
{
    const auto& found = data.rows[AnnotatedRow].found;
    const auto at = [&found](PortEvent e) { return CycleColumn(found[static_cast<size_t>(e)]); };
    return {at(PortEvent::FrontSteamOpens), at(PortEvent::FrontSteamCloses), at(PortEvent::FrontExhaustOpens),
            at(PortEvent::FrontExhaustCloses)};
}

}  // namespace zeph
