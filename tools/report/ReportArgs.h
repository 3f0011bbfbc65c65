// Command line of the report companion: what was asked for, and the reader that checks it.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zeph::report {

// A refused command line; the message names the culprit and fits on one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Command { Events, Pivots, Help };

// The five gears a design is usually judged at, each a fixed offset from mid gear.
enum class NamedGear { Mid, Fwd, FwdMax, Rev, RevMax };

// One gear to report: a named gear, or an offset of the reverse arm from mid gear.
struct GearRequest {
    std::string label;  // "mid", "fwd", ... or "rev:" followed by the offset as typed
    std::optional<NamedGear> named;
    double offset = 0;  // used when not named
};

// One dimension change, by its dimension code.
struct DimSetting {
    int code = 0;
    float value = 0;
};

struct Request {
    Command command = Command::Help;
    std::vector<GearRequest> gears;
    std::vector<DimSetting> settings;
    std::optional<std::string> designFile;  // opened before the settings apply
    std::optional<double> angle;
    std::optional<double> step;
    bool csv = false;
};

// Default sweep step of the events report, degrees.
constexpr double DefaultEventsStep = 0.1;
// Default sweep step of the pivots report when neither an angle nor a step is given.
constexpr double DefaultPivotsStep = 10.0;
// Finest step accepted: finer steps no longer change a float driver angle near 360.
constexpr double MinStep = 0.001;

// Reads the whole command line (without the program name). Throws UsageError.
Request ParseArgs(const std::vector<std::string>& args);

// A complete finite number (optional leading '+'); throws UsageError naming `what`. A number
// too small for a double reads as 0.
double ParseNumber(const std::string& text, const std::string& what);

// A user's text for a one-line message: in single quotes, with control characters, quotes,
// backslashes and bytes outside ASCII written as escapes.
std::string Quoted(const std::string& s);

// A named gear from its name, or nullopt.
std::optional<NamedGear> GearByName(const std::string& name);

}  // namespace zeph::report
