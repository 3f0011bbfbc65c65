// Compares every row of the dimension table with its default, bit for bit as the model stores it.
#include "model/design/ChangedDimensions.h"

#include <charconv>
#include <cmath>

#include "model/design/DimensionTable.h"

namespace zeph {

namespace {

std::string ShortestText(float v)
{
    if (!std::isfinite(v)) return "nan";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

void AppendChanged(const MechanismModel& m, std::span<const DimensionInfo> rows, std::vector<std::string>& lines)
{
    for (const DimensionInfo& d : rows) {
        const float v = GetDimension(m, d);
        // A value that is not a number never equals its default, so it is listed too.
        if (v == d.defaultValue) continue;
        lines.push_back(std::to_string(d.code) + " " + d.caption + " " + ShortestText(v) + " (built-in " +
                        ShortestText(d.defaultValue) + ")");
    }
}

}  // namespace

std::vector<std::string> ChangedDimensionTexts(const MechanismModel& m)
{
    std::vector<std::string> lines;
    AppendChanged(m, FrameDimensionRows(), lines);
    AppendChanged(m, CylinderDimensionRows(), lines);
    return lines;
}

}  // namespace zeph
