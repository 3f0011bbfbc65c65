// Writes the report's results as CSV or as aligned tables for reading.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/report/ReportDiagrams.h"
#include "tools/report/ReportSweep.h"

namespace zeph::report {

using Row = std::vector<std::string>;

// A number in fixed notation; "nan" for a value that is not finite, no negative zero.
std::string Fixed(double v, int decimals);

// Comma-separated rows (the fields never hold commas or quotes).
void WriteCsv(std::ostream& out, const std::vector<Row>& rows);
// Columns padded to their widest cell: the first left-aligned, the others right-aligned.
void WriteAligned(std::ostream& out, const std::vector<Row>& rows);

void WriteEvents(std::ostream& out, const std::vector<GearEvents>& events, double step, bool csv);
void WritePivots(std::ostream& out, const Gear& gear, const std::vector<LinkageSample>& samples, bool csv);
void WritePorts(std::ostream& out, const PortsResult& ports, bool csv);
void WriteSteam(std::ostream& out, const SteamResult& steam, bool csv);

}  // namespace zeph::report
