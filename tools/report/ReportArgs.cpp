// Reads and checks the report companion's command line before anything is computed.
#include "tools/report/ReportArgs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "model/MechanismModel.h"

namespace zeph::report {

namespace {

enum : unsigned { ForEvents = 1u, ForPivots = 2u };

// Whether a decimal number too far from 1 for a double lies below 1: its first significant
// digit stands after the point once the exponent is applied. The text is one that from_chars
// read as a whole.
bool MagnitudeBelowOne(std::string_view s)
{
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
    const size_t e = s.find_first_of("eE");
    const std::string_view mantissa = s.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = s.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
        for (const char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 1000000000L);
        if (negative) exponent = -exponent;
    }
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return true;
    // The power of ten of the first significant digit, plus one.
    const long lead = first < point ? long(point - first) : -long(first - point - 1);
    return lead + exponent <= 0;
}

// One command-line option: its name, whether a value follows, the subcommands that
// know it and what it does to the request.
struct Option {
    const char* name;
    bool takesValue;
    unsigned commands;
    void (*apply)(Request& r, const std::string& value);
};

double ParseStep(const std::string& value)
{
    const double step = ParseNumber(value, "--step");
    if (step <= 0) throw UsageError("--step must be more than 0, got " + Quoted(value));
    if (step < MinStep) throw UsageError("--step " + Quoted(value) + " is finer than 0.001 degree");
    if (step > 360) throw UsageError("--step " + Quoted(value) + " is more than one turn (360)");
    return step;
}

void ApplyStep(Request& r, const std::string& value)
{
    if (r.step) throw UsageError("--step given more than once");
    r.step = ParseStep(value);
}

// A number the model can hold: the model keeps its values as 32-bit floats, so the number is
// judged after rounding to one (the largest float written out to nine digits lies a little above it).
double ParseModelValue(const std::string& text, const std::string& what)
{
    const double v = ParseNumber(text, what);
    if (std::isinf(static_cast<float>(v))) throw UsageError(Quoted(text) + " is out of range for " + what);
    return v;
}

void ApplyAngle(Request& r, const std::string& value)
{
    if (r.angle) throw UsageError("--angle given more than once");
    r.angle = ParseModelValue(value, "--angle");
}

int ParseDimCode(const std::string& text)
{
    int code = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, code);
    if (text.empty() || ec != std::errc{} || ptr != last || !MechanismModel::IsDimCode(code))
        throw UsageError("unknown dimension code " + Quoted(text) + " in --set (1..27 or 101..117)");
    return code;
}

void ApplySet(Request& r, const std::string& value)
{
    const auto eq = value.find('=');
    if (eq == std::string::npos) throw UsageError("--set needs CODE=VALUE, got " + Quoted(value));
    const std::string codeText = value.substr(0, eq);
    const int code = ParseDimCode(codeText);
    const double v = ParseModelValue(value.substr(eq + 1), "--set " + codeText);
    r.settings.push_back({code, static_cast<float>(v)});
}

void ApplyCsv(Request& r, const std::string&) { r.csv = true; }

void ApplyDesign(Request& r, const std::string& value)
{
    if (r.designFile) throw UsageError("--design given more than once");
    if (value.empty()) throw UsageError("empty file name for --design");
    r.designFile = value;
}

void ApplyGear(Request& r, const std::string& value)
{
    const auto gear = GearByName(value);
    if (!gear) throw UsageError("unknown gear " + Quoted(value) + " (mid, fwd, fwdmax, rev or revmax)");
    r.gears.push_back({value, gear, 0});
}

void ApplyRev(Request& r, const std::string& value)
{
    r.gears.push_back({"rev:" + value, std::nullopt, ParseModelValue(value, "--rev")});
}

const Option kOptions[] = {
    {"--step", true, ForEvents | ForPivots, ApplyStep},
    {"--angle", true, ForPivots, ApplyAngle},
    {"--set", true, ForEvents | ForPivots, ApplySet},
    {"--csv", false, ForEvents | ForPivots, ApplyCsv},
    {"--gear", true, ForEvents | ForPivots, ApplyGear},
    {"--rev", true, ForEvents | ForPivots, ApplyRev},
    {"--design", true, ForEvents | ForPivots, ApplyDesign},
};

const Option* FindOption(const std::string& name)
{
    for (const Option& o : kOptions)
        if (name == o.name) return &o;
    return nullptr;
}

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }

Command ParseCommand(const std::string& word)
{
    if (word == "events") return Command::Events;
    if (word == "pivots") return Command::Pivots;
    if (word == "help" || IsHelp(word)) return Command::Help;
    throw UsageError("unknown subcommand " + Quoted(word) + " (events, pivots or help)");
}

const char* CommandName(Command c) { return c == Command::Events ? "events" : "pivots"; }

// Reads the options after the subcommand.
void ParseOptions(Request& r, const std::vector<std::string>& args)
{
    const unsigned mask = r.command == Command::Events ? ForEvents : ForPivots;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0)
            throw UsageError("unexpected argument " + Quoted(arg));
        const auto eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const Option* o = FindOption(name);
        if (!o) throw UsageError("unknown option " + Quoted(name));
        if (!(o->commands & mask))
            throw UsageError("option " + name + " does not apply to " + CommandName(r.command));
        std::string value;
        if (!o->takesValue) {
            if (eq != std::string::npos) throw UsageError("option " + name + " takes no value");
        } else if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw UsageError("option " + name + " needs a value");
        }
        o->apply(r, value);
    }
}

void CheckCombination(Request& r)
{
    if (r.angle && r.step) throw UsageError("--angle and --step cannot be given together");
    if (r.command == Command::Pivots && r.gears.size() != 1)
        throw UsageError(r.gears.empty() ? "pivots needs a gear: --gear NAME or --rev OFFSET"
                                         : "pivots takes exactly one --gear or --rev");
    if (r.command == Command::Events && r.gears.empty())
        for (const char* name : {"mid", "fwd", "fwdmax", "rev", "revmax"})
            r.gears.push_back({name, GearByName(name), 0});
}

}  // namespace

std::optional<NamedGear> GearByName(const std::string& name)
{
    if (name == "mid") return NamedGear::Mid;
    if (name == "fwd") return NamedGear::Fwd;
    if (name == "fwdmax") return NamedGear::FwdMax;
    if (name == "rev") return NamedGear::Rev;
    if (name == "revmax") return NamedGear::RevMax;
    return std::nullopt;
}

std::string Quoted(const std::string& s)
{
    static const char hex[] = "0123456789abcdef";
    std::string q = "'";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\' || c == '\'') {
            q += '\\';
            q += ch;
        } else if (c == '\n') {
            q += "\\n";
        } else if (c == '\t') {
            q += "\\t";
        } else if (c < 0x20 || c >= 0x7f) {
            q += "\\x";
            q += hex[c >> 4];
            q += hex[c & 15];
        } else {
            q += ch;
        }
    }
    return q + "'";
}

double ParseNumber(const std::string& text, const std::string& what)
{
    if (text.empty()) throw UsageError("empty value for " + what);
    // from_chars takes no '+', so one is skipped here, but never in front of another sign.
    std::string_view digits(text);
    if (digits.front() == '+' && digits.size() > 1 && digits[1] != '-') digits.remove_prefix(1);
    double v = 0;
    const char* last = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), last, v);
    if (ec == std::errc::result_out_of_range && ptr == last) {
        // Too small for a double reads as 0, as the number boxes read it; too large is refused.
        if (MagnitudeBelowOne(digits)) return 0.0;
        throw UsageError(Quoted(text) + " is out of range for " + what);
    }
    if (ec != std::errc{} || ptr != last || !std::isfinite(v))
        throw UsageError(Quoted(text) + " is not a number (" + what + ")");
    return v;
}

Request ParseArgs(const std::vector<std::string>& args)
{
    Request r;
    // Help wins wherever it stands, even beside words that would be refused.
    if (std::any_of(args.begin(), args.end(), IsHelp)) return r;
    if (args.empty()) throw UsageError("a subcommand is needed (events, pivots or help)");
    r.command = ParseCommand(args[0]);
    if (r.command == Command::Help) return r;
    ParseOptions(r, args);
    CheckCombination(r);
    return r;
}

}  // namespace zeph::report
