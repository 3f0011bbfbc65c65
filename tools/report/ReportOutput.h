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

// A number with at most `digits` significant digits, the shortest form ("1.773", "1e-05");
// nine give back a 32-bit float bit for bit. "nan" for a value that is not finite.
std::string Significant(double v, int digits);

// The widest cell of each column seen so far.
class ColumnWidths {
public:
    void Widen(const Row& row);
    size_t operator[](size_t column) const { return column < widths_.size() ? widths_[column] : 0; }

private:
    std::vector<size_t> widths_;
};

// One comma-separated row (the fields never hold commas or quotes).
void WriteCsvRow(std::ostream& out, const Row& row);
// One row padded to the column widths: the first cell left-aligned, the others right-aligned.
void WriteAlignedRow(std::ostream& out, const Row& row, const ColumnWidths& widths);
// Whole tables of the two kinds.
void WriteCsv(std::ostream& out, const std::vector<Row>& rows);
void WriteAligned(std::ostream& out, const std::vector<Row>& rows);

void WriteEvents(std::ostream& out, const std::vector<GearEvents>& events, double step, bool csv);
// The events table's header rows (one for CSV, two for the table) and one row per gear.
std::vector<Row> EventRows(const std::vector<GearEvents>& events, bool csv);

// The pivots report, written one row at a time as the solves come: the header, then one row
// per sample. The table needs its column widths before its first row; they come from a first
// pass over the same samples (PivotFields of each).
Row PivotsHeader();
Row PivotFields(const LinkageSample& s);
void WritePivotsTitle(std::ostream& out, const Gear& gear);
void WritePorts(std::ostream& out, const PortsResult& ports, bool csv);
void WriteSteam(std::ostream& out, const SteamResult& steam, bool csv);

}  // namespace zeph::report
