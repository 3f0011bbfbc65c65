// Formats event figures by the shortest exact conversions, so the report and the windows write the same bytes.
#include "model/analysis/EventText.h"

#include <charconv>
#include <cmath>

namespace zeph {

namespace {

std::string Converted(double v, std::chars_format format, int precision)
{
    if (!std::isfinite(v)) return "nan";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, format, precision);
    std::string s(buf, res.ptr);
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

void AppendEnd(std::vector<std::string>& row, const EndEvents& e, int decimals, const char* missing)
{
    for (const auto* v : {&e.admission, &e.cutoff, &e.release, &e.compression})
        row.push_back(*v ? FixedFigure(**v, decimals) : std::string(missing));
}

}  // namespace

std::string FixedFigure(double v, int decimals) { return Converted(v, std::chars_format::fixed, decimals); }

std::string SignificantFigure(double v, int digits) { return Converted(v, std::chars_format::general, digits); }

std::vector<std::string> EventCsvHeader()
{
    return {"gear",         "rev_arm",      "direction",         "travel_min",     "travel_max",
            "lead_front",   "lead_rear",    "front_admission",   "front_cutoff",   "front_release",
            "front_compression", "rear_admission", "rear_cutoff", "rear_release", "rear_compression"};
}

std::vector<std::string> EventFieldTexts(const GearEvents& ev, int eventDecimals, const char* missing)
{
    std::vector<std::string> row = {ev.gear.label,
                                    FixedFigure(ev.gear.revArm, EventCsvDecimals),
                                    ev.gear.forward ? "Fwd" : "Rev",
                                    FixedFigure(ev.travelMin, EventCsvDecimals),
                                    FixedFigure(ev.travelMax, EventCsvDecimals),
                                    FixedFigure(ev.leadFront, EventCsvDecimals),
                                    FixedFigure(ev.leadRear, EventCsvDecimals)};
    AppendEnd(row, ev.front, eventDecimals, missing);
    AppendEnd(row, ev.rear, eventDecimals, missing);
    return row;
}

}  // namespace zeph
