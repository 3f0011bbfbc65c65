// Formats event and linkage results; CSV keeps four decimals, the tables stay narrow.
#include "tools/report/ReportOutput.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/analysis/EventText.h"

namespace zeph::report {

namespace {

constexpr int CsvDecimals = EventCsvDecimals;
constexpr int TablePercentDecimals = 1;

std::string Event(const std::optional<double>& v, int decimals, const char* missing)
{
    return v ? Fixed(*v, decimals) : std::string(missing);
}

// One gear's fields in the column order of both the CSV and the table.
Row EventFields(const GearEvents& ev, int pctDecimals, const char* missing)
{
    return EventFieldTexts(ev, pctDecimals, missing);
}

Row PortsFields(const PortsRow& r, int pctDecimals, const char* missing)
{
    Row row = {std::to_string(r.row), Fixed(r.revArm, CsvDecimals)};
    for (const auto& pct : r.percent) row.push_back(Event(pct, pctDecimals, missing));
    return row;
}

Row SteamFields(const SteamRow& r, int pctDecimals, const char* missing)
{
    return {r.gear.label, Fixed(r.gear.revArm, CsvDecimals), r.gear.forward ? "Fwd" : "Rev",
            Event(r.frontCutoff, pctDecimals, missing), Event(r.rearCutoff, pctDecimals, missing)};
}

}  // namespace

Row PivotsHeader()
{
    Row h = {"angle"};
    for (int i = 0; i < PivotCount; ++i) {
        h.push_back("x" + std::to_string(i));
        h.push_back("y" + std::to_string(i));
    }
    for (const char* name : {"rad_hanger_deg", "valve_travel", "front_steam", "front_exhaust", "rear_steam",
                             "rear_exhaust", "piston_travel", "error"})
        h.push_back(name);
    return h;
}

Row PivotFields(const LinkageSample& s)
{
    Row row = {Fixed(s.angle, CsvDecimals)};
    for (const Pivot& p : s.pivots) {
        row.push_back(Fixed(p.x, CsvDecimals));
        row.push_back(Fixed(p.y, CsvDecimals));
    }
    const PortState& pt = s.ports;
    for (float v : {s.radHangerDeg, s.valveTravel, pt.FrontSteamOpening, pt.FrontExhaustOpening, pt.RearSteamOpening,
                    pt.RearExhaustOpening, pt.PistonTravel})
        row.push_back(Fixed(v, CsvDecimals));
    row.push_back(s.mechanismError ? "1" : "0");
    return row;
}

std::string Fixed(double v, int decimals) { return FixedFigure(v, decimals); }

std::string Significant(double v, int digits) { return SignificantFigure(v, digits); }

void ColumnWidths::Widen(const Row& row)
{
    widths_.resize(std::max(widths_.size(), row.size()), 0);
    for (size_t i = 0; i < row.size(); ++i) widths_[i] = std::max(widths_[i], row[i].size());
}

void WriteCsvRow(std::ostream& out, const Row& row)
{
    for (size_t i = 0; i < row.size(); ++i) out << (i ? "," : "") << row[i];
    out << '\n';
}

void WriteAlignedRow(std::ostream& out, const Row& row, const ColumnWidths& widths)
{
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
        const std::string pad(std::max(widths[i], row[i].size()) - row[i].size(), ' ');
        line += i == 0 ? row[i] + pad : "  " + pad + row[i];
    }
    out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
}

void WriteCsv(std::ostream& out, const std::vector<Row>& rows)
{
    for (const Row& row : rows) WriteCsvRow(out, row);
}

void WriteAligned(std::ostream& out, const std::vector<Row>& rows)
{
    ColumnWidths widths;
    for (const Row& row : rows) widths.Widen(row);
    for (const Row& row : rows) WriteAlignedRow(out, row, widths);
}

std::vector<Row> EventRows(const std::vector<GearEvents>& events, bool csv)
{
    std::vector<Row> rows;
    if (csv)
        rows = {EventCsvHeader()};
    else
        rows = {{"", "", "", "valve", "valve", "lead", "lead", "front", "front", "front", "front", "rear", "rear",
                 "rear", "rear"},
                {"gear", "rev arm", "dir", "travel min", "travel max", "front", "rear", "admission", "cut-off",
                 "release", "compression", "admission", "cut-off", "release", "compression"}};
    for (const GearEvents& ev : events)
        rows.push_back(csv ? EventFields(ev, CsvDecimals, "") : EventFields(ev, TablePercentDecimals, "-"));
    return rows;
}

void WriteEvents(std::ostream& out, const std::vector<GearEvents>& events, double step, bool csv)
{
    if (csv) {
        WriteCsv(out, EventRows(events, true));
        return;
    }
    out << "Valve events over one driver turn in " << step << " degree steps\n"
        << "Reverse arm, travel and lead in model length units; events in percent of stroke from the end "
           "the port serves; - = not met in the turn\n\n";
    WriteAligned(out, EventRows(events, false));
}

void WritePivotsTitle(std::ostream& out, const Gear& gear)
{
    out << "Solved linkage in gear " << gear.label << ": reverse arm at " << Fixed(gear.revArm, CsvDecimals)
        << ", running " << (gear.forward ? "Fwd" : "Rev") << "\n"
        << "Pivots xN, yN in model length units; rad_hanger_deg in degrees; piston_travel 0 (front) .. 640 "
           "(rear); error 1 = the linkage could not close\n\n";
}

void WritePorts(std::ostream& out, const PortsResult& ports, bool csv)
{
    if (csv) {
        std::vector<Row> rows = {{"row", "rev_arm", "front_steam_opens", "front_exhaust_opens", "rear_steam_opens",
                                  "rear_exhaust_opens", "front_steam_closes", "front_exhaust_closes",
                                  "rear_steam_closes", "rear_exhaust_closes"}};
        for (const PortsRow& r : ports.rows) rows.push_back(PortsFields(r, CsvDecimals, ""));
        WriteCsv(out, rows);
        return;
    }
    out << "Port events from mid gear (row 0) to full " << (ports.reverse ? "reverse" : "forward")
        << " gear (row 18), driver turning " << (ports.reverse ? "backwards" : "forwards") << " in 4 degree steps\n"
        << "Reverse arm in model length units; events in percent of stroke from the end the port serves, the last "
           "one met in the row; - = not met in that row\n\n";
    std::vector<Row> rows = {
        {"", "", "front", "front", "rear", "rear", "front", "front", "rear", "rear"},
        {"row", "rev arm", "steam opens", "exhaust opens", "steam opens", "exhaust opens", "steam closes",
         "exhaust closes", "steam closes", "exhaust closes"}};
    for (const PortsRow& r : ports.rows) rows.push_back(PortsFields(r, TablePercentDecimals, "-"));
    WriteAligned(out, rows);
}

void WriteSteam(std::ostream& out, const SteamResult& steam, bool csv)
{
    if (csv) {
        std::vector<Row> rows = {{"position", "rev_arm", "direction", "front_cutoff", "rear_cutoff"}};
        for (const SteamRow& r : steam.rows) rows.push_back(SteamFields(r, CsvDecimals, ""));
        WriteCsv(out, rows);
        return;
    }
    out << "Simulated steam indicator: one continuous run through the positions in order, 150 steps of 4 "
           "degrees at each\n"
        << "Reverse arm in model length units; cut-off in percent of stroke from the end the port serves, the last "
           "one marked at each end; - = none\n\n";
    std::vector<Row> rows = {{"position", "rev arm", "dir", "front cut-off", "rear cut-off"}};
    for (const SteamRow& r : steam.rows) rows.push_back(SteamFields(r, TablePercentDecimals, "-"));
    WriteAligned(out, rows);
}

}  // namespace zeph::report
