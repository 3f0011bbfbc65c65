// Event names of the goals, default bounds of a free dimension and values held inside their bounds.
#include "model/analysis/SettingProblem.h"

#include <algorithm>
#include <cmath>

namespace zeph {

namespace {

constexpr std::array<const char*, SettingEventCount> kEventNames = {"lead", "admission", "cutoff", "release",
                                                                     "compression"};

}  // namespace

std::optional<SettingEvent> SettingEventByName(const std::string& name)
{
    for (int i = 0; i < SettingEventCount; ++i)
        if (name == kEventNames[i]) return static_cast<SettingEvent>(i);
    return std::nullopt;
}

const char* SettingEventName(SettingEvent e)
{
    return kEventNames[static_cast<int>(e)];
}

FreeDimension DefaultBounds(int code, float start)
{
    const double half = std::max(0.05 * std::fabs(double(start)), 0.01);
    return {code, double(start) - half, double(start) + half};
}

float HeldWithin(double x, const FreeDimension& d)
{
    float v = static_cast<float>(std::clamp(x, d.min, d.max));
    if (double(v) > d.max) v = std::nextafter(v, -INFINITY);
    if (double(v) < d.min) v = std::nextafter(v, INFINITY);
    return v;
}

}  // namespace zeph
