// The ten event figures of one gear in one fixed order, so analyses can treat them alike.
#pragma once

#include <array>
#include <optional>

#include "model/analysis/GearSweep.h"

namespace zeph {

// Lead front and rear, then per cylinder end (front, then rear) admission, cut-off, release
// and compression.
constexpr int EventFigureCount = 10;
using EventFigureValues = std::array<std::optional<double>, EventFigureCount>;

// The figures of one sweep; an event not met in the turn is empty, the leads always stand.
EventFigureValues EventFiguresOf(const GearEvents& ev);

}  // namespace zeph
