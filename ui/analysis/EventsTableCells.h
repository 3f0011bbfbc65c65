// The cells of the events table as its window shows them: the report's columns, then the front - rear differences.
#pragma once

#include <QStringList>
#include <array>
#include <optional>

#include "model/analysis/GearSweep.h"

namespace zeph {

// The report's columns; the difference columns follow them.
constexpr int EventsFigureColumns = 15;
constexpr int EventsDifferenceColumns = 5;

// The column captions, two lines each where they are long.
QStringList EventsTableCaptions();
// front - rear of the lead and of admission, cut-off, release and compression; none where an
// end misses the event.
std::array<std::optional<double>, EventsDifferenceColumns> EventDifferences(const GearEvents& ev);
// One gear's cells: the report's fields ("-" for an event not met), then the differences.
QStringList EventsTableCells(const GearEvents& ev);

}  // namespace zeph
