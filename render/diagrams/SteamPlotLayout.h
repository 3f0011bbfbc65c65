// Where the steam diagram puts its traces, cut-off figures and curve numbers, in pixels.
#pragma once

#include <cstdint>

#include "model/core/Real.h"
#include "model/diagrams/SteamIndicator.h"

namespace zeph {

// Pixel column of a piston position (584 at the front end, 44 at the rear) and row of a pressure.
int32_t SteamColumn(Real pos);
int32_t SteamRow(Real pressure);

struct SteamPixel {
    int32_t x = 0, y = 0;
};
SteamPixel SteamPixelOf(const SteamPoint& p);

// Row of list entry `index`'s cut-off figures.
int32_t CutoffRowY(int index);

// Where an end's curve number stands when its trace passes the piston position `pos`: left of
// the trace, the front's row above the rear's.
SteamPixel SteamLabelPixel(bool rear, float pos);

}  // namespace zeph
