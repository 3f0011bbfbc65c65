// Where the port events graph puts its rows, event columns, normal-gear line and annotated cycle, in pixels.
#pragma once

#include <cstdint>
#include <optional>

#include "model/diagrams/PortEvents.h"
#include "model/core/Real.h"

namespace zeph {

// Pixel row of graph row i: mid gear at the bottom (343), full gear 16 pixels a row higher.
int32_t PortRowY(int row);

// Pixel column of an event at piston position pos (0..640), measured from the end its port
// serves: 540 pixels for the stroke from column 9.
int32_t PortEventColumn(PortEvent e, Real pos);

// Row of the normal full gear for the "Normal" line, 343 - 288 normal / maximum; nothing when it
// cannot be placed (a zero maximum, say).
std::optional<int32_t> NormalGearRowY(const PortEventsData& data);

// The columns (unrounded) of the four front events on the annotated row; 0 where not met.
struct CycleColumns {
    Real admission = 0, cutoff = 0, release = 0, compression = 0;
};
CycleColumns CycleColumnsOf(const PortEventsData& data);

}  // namespace zeph
