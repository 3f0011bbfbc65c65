// Reads tolerances, wear, the sample count and the seed of the tolerance subcommand.
#include "tools/report/ReportToleranceArgs.h"

#include <algorithm>
#include <charconv>

#include "model/analysis/Sensitivity.h"

namespace zeph::report {

namespace {

constexpr long DefaultSamples = 1000;
constexpr std::uint64_t DefaultSeed = 1;

// A half-width: a model value, not negative.
double ParseHalfWidth(const std::string& text, const std::string& what)
{
    const double t = ParseModelValue(text, what);
    if (t < 0) throw UsageError(what + " must not be negative, got " + Quoted(text));
    return t;
}

// Whole decimal digits only, read into an unsigned 64-bit number; false when they do not fit.
template <class T>
bool ParseWhole(const std::string& text, T& v)
{
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), last, v);
    return !text.empty() && text.front() != '-' && ec == std::errc{} && ptr == last;
}

}  // namespace

void ApplyTol(Request& r, const std::string& value)
{
    const auto eq = value.find('=');
    if (eq == std::string::npos) throw UsageError("--tol needs CODE=T, got " + Quoted(value));
    const int code = ParseDimCode(value.substr(0, eq), "--tol");
    if (std::any_of(r.tolerances.begin(), r.tolerances.end(), [&](const DimTolerance& t) { return t.code == code; }))
        throw UsageError("dimension " + std::to_string(code) + " given more than once in --tol");
    r.tolerances.push_back({code, ParseHalfWidth(value.substr(eq + 1), "--tol " + std::to_string(code))});
}

void ApplyAll(Request& r, const std::string& value)
{
    if (r.allTolerance) throw UsageError("--all given more than once");
    r.allTolerance = ParseHalfWidth(value, "--all");
}

void ApplyWear(Request& r, const std::string& value)
{
    if (r.wear) throw UsageError("--wear given more than once");
    r.wear = ParseHalfWidth(value, "--wear");
}

void ApplySamples(Request& r, const std::string& value)
{
    if (r.samples) throw UsageError("--samples given more than once");
    long n = 0;
    if (!ParseWhole(value, n) || n < 1 || n > MaxToleranceSamples)
        throw UsageError("--samples needs a whole number from 1 to 1000000, got " + Quoted(value));
    r.samples = n;
}

void ApplySeed(Request& r, const std::string& value)
{
    if (r.seed) throw UsageError("--seed given more than once");
    std::uint64_t s = 0;
    if (!ParseWhole(value, s))
        throw UsageError("--seed needs a whole number from 0 to 18446744073709551615, got " + Quoted(value));
    r.seed = s;
}

void CheckTolerance(Request& r)
{
    if (r.tolerances.empty() && !r.allTolerance && !r.wear)
        throw UsageError("tolerance needs something to vary: --tol CODE=T, --all T or --wear C");
    if (r.gears.empty())
        for (const char* name : {"fwd", "rev"}) r.gears.push_back({name, GearByName(name), 0});
}

ToleranceRequest ToleranceRequestOf(const Request& r)
{
    ToleranceRequest q;
    if (r.allTolerance)
        for (const int code : SensitivityCodes({})) q.tolerances.push_back({code, *r.allTolerance});
    q.tolerances.insert(q.tolerances.end(), r.tolerances.begin(), r.tolerances.end());
    q.wear = r.wear.value_or(0);
    q.samples = r.samples.value_or(DefaultSamples);
    q.seed = r.seed.value_or(DefaultSeed);
    q.gears = r.gears;
    q.step = r.step.value_or(DefaultEventsStep);
    return q;
}

}  // namespace zeph::report
