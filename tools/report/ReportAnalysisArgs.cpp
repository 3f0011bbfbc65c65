// Reads the dimension codes, free dimensions, goals and weights of the analysis subcommands.
#include "tools/report/ReportAnalysisArgs.h"

#include <algorithm>
#include <cmath>

#include "tools/report/ReportOutput.h"

namespace zeph::report {

namespace {

// EVENT@GEAR, the gear a named one or rev:OFFSET as for events --rev.
SettingGoal ParseGoal(const std::string& text, const std::string& what)
{
    const auto at = text.find('@');
    if (at == std::string::npos) throw UsageError(what + " needs EVENT@GEAR, got " + Quoted(text));
    const std::string eventName = text.substr(0, at), gearName = text.substr(at + 1);
    SettingGoal goal;
    const auto event = SettingEventByName(eventName);
    if (!event)
        throw UsageError("unknown event " + Quoted(eventName) + " in " + what +
                         " (lead, admission, cutoff, release or compression)");
    goal.event = *event;
    if (const auto named = GearByName(gearName)) {
        goal.gear = {gearName, named, 0};
    } else if (gearName.rfind("rev:", 0) == 0) {
        goal.gear = {gearName, std::nullopt, ParseModelValue(gearName.substr(4), what + " gear")};
    } else {
        throw UsageError("unknown gear " + Quoted(gearName) + " in " + what +
                         " (mid, fwd, fwdmax, rev, revmax or rev:OFFSET)");
    }
    return goal;
}

bool EndsWithDzg(const std::string& name)
{
    if (name.size() < 5) return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return tail == ".dzg";
}

}  // namespace

void ApplyCodes(Request& r, const std::string& value)
{
    if (!r.codes.empty()) throw UsageError("--codes given more than once");
    size_t first = 0;
    while (true) {
        const size_t comma = value.find(',', first);
        r.codes.push_back(ParseDimCode(value.substr(first, comma - first), "--codes"));
        if (comma == std::string::npos) break;
        first = comma + 1;
    }
}

void ApplyDelta(Request& r, const std::string& value)
{
    if (r.delta) throw UsageError("--delta given more than once");
    const double h = ParseModelValue(value, "--delta");
    if (h <= 0) throw UsageError("--delta must be more than 0, got " + Quoted(value));
    r.delta = h;
}

void ApplyFree(Request& r, const std::string& value)
{
    const auto eq = value.find('=');
    FreeRequest f;
    f.code = ParseDimCode(value.substr(0, eq), "--free");
    if (std::any_of(r.free.begin(), r.free.end(), [&](const FreeRequest& o) { return o.code == f.code; }))
        throw UsageError("dimension " + std::to_string(f.code) + " given more than once in --free");
    if (eq != std::string::npos) {
        const std::string bounds = value.substr(eq + 1);
        const auto colon = bounds.find(':', 1);  // a minimum may start with a sign, never with ':'
        if (colon == std::string::npos) throw UsageError("--free needs CODE=MIN:MAX, got " + Quoted(value));
        const std::string what = "--free " + std::to_string(f.code);
        f.min = ParseModelValue(bounds.substr(0, colon), what);
        f.max = ParseModelValue(bounds.substr(colon + 1), what);
        if (*f.min >= *f.max)
            throw UsageError("the bounds of " + what + " need MIN below MAX, got " + Quoted(bounds));
    }
    r.free.push_back(f);
}

void ApplyBalance(Request& r, const std::string& value)
{
    SettingGoal goal = ParseGoal(value, "--balance");
    goal.balance = true;
    r.goals.push_back(goal);
}

void ApplyTarget(Request& r, const std::string& value)
{
    const auto eq = value.find('=');
    if (eq == std::string::npos) throw UsageError("--target needs EVENT@GEAR=VALUE, got " + Quoted(value));
    SettingGoal goal = ParseGoal(value.substr(0, eq), "--target");
    goal.balance = false;
    goal.target = ParseNumber(value.substr(eq + 1), "--target");
    r.goals.push_back(goal);
}

void ApplyWeight(Request& r, const std::string& value)
{
    const auto eq = value.find('=');
    if (eq == std::string::npos) throw UsageError("--weight needs EVENT=W, got " + Quoted(value));
    const auto event = SettingEventByName(value.substr(0, eq));
    if (!event)
        throw UsageError("unknown event " + Quoted(value.substr(0, eq)) +
                         " in --weight (lead, admission, cutoff, release or compression)");
    auto& slot = r.weights[static_cast<int>(*event)];
    if (slot) throw UsageError("--weight " + value.substr(0, eq) + " given more than once");
    const double w = ParseNumber(value.substr(eq + 1), "--weight");
    if (w < 0) throw UsageError("--weight must not be negative, got " + Quoted(value));
    slot = w;
}

void ApplyWrite(Request& r, const std::string& value)
{
    if (r.writeFile) throw UsageError("--write given more than once");
    if (!EndsWithDzg(value)) throw UsageError("--write needs a design file name ending in .dzg, got " + Quoted(value));
    r.writeFile = value;
}

void CheckSetting(const Request& r)
{
    if (r.free.empty()) throw UsageError("setting needs a free dimension: --free CODE[=MIN:MAX]");
    if (r.goals.empty()) throw UsageError("setting needs a goal: --balance EVENT@GEAR or --target EVENT@GEAR=VALUE");
}

std::vector<FreeDimension> FreeDimensionsOf(const MechanismModel& m, const Request& r)
{
    std::vector<FreeDimension> free;
    for (const FreeRequest& f : r.free) {
        FreeDimension d = DefaultBounds(f.code, m.GetDim(f.code));
        if (f.min) d = {f.code, *f.min, *f.max};
        free.push_back(d);
    }
    return free;
}

void CheckStartsWithinBounds(const MechanismModel& m, const Request& r)
{
    for (const FreeDimension& d : FreeDimensionsOf(m, r)) {
        const double start = m.GetDim(d.code);
        if (start < d.min || start > d.max)
            throw UsageError("dimension " + std::to_string(d.code) + " starts at " + Significant(start, 9) +
                             ", outside its bounds in --free");
    }
}

}  // namespace zeph::report
