// The texts of valve-event figures that the report and the windows share: numbers, the CSV header, one gear's fields.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/analysis/GearSweep.h"

namespace zeph {

// Decimals of every figure of the events CSV.
constexpr int EventCsvDecimals = 4;

// A number in fixed notation; "nan" for a value that is not finite, no negative zero.
std::string FixedFigure(double v, int decimals);
// A number with at most `digits` significant digits, the shortest form ("1.773", "1e-05");
// nine give back a 32-bit float bit for bit. "nan" for a value that is not finite.
std::string SignificantFigure(double v, int digits);

// The column names of the events CSV.
std::vector<std::string> EventCsvHeader();
// One gear's fields in the events columns: the arm, travel and leads with four decimals, the
// events with `eventDecimals`, an event not met written as `missing`.
std::vector<std::string> EventFieldTexts(const GearEvents& ev, int eventDecimals, const char* missing);

}  // namespace zeph
