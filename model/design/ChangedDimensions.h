// The dimensions of a design that differ from the built-in ones, as lines of text for a report.
#pragma once

#include <string>
#include <vector>

#include "model/design/MechanismModel.h"

namespace zeph {

// One line per dimension whose value is not its built-in default, frame rows then cylinder
// rows: "code caption value (built-in default)", each value as the shortest text that reads
// back as the same 32-bit float. Empty for the built-in design.
std::vector<std::string> ChangedDimensionTexts(const MechanismModel& m);

}  // namespace zeph
