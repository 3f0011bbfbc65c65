// The events table as a report for paper: the window's cells in column groups that fit a page.
#pragma once

#include <QStringList>
#include <vector>

#include "model/analysis/GearSweep.h"
#include "platform/HardCopyReport.h"

namespace zeph {

// "Events Table": the facts, the sweep's step, then one table per group of columns (gears,
// travel and lead; the front end; the rear end; front - rear), each row led by its gear.
HardCopyReport EventsTableReport(const std::vector<GearEvents>& gears, const QStringList& facts, double stepDegrees);

}  // namespace zeph
