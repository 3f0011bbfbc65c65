// Reads and checks the report companion's command line before anything is computed.
#include "tools/report/ReportArgs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "model/design/MechanismModel.h"
#include "tools/report/ReportAnalysisArgs.h"
#include "tools/report/ReportAnimation.h"
#include "tools/report/ReportToleranceArgs.h"

namespace zeph::report {

namespace {

enum : unsigned {
    ForEvents = 1u,
    ForPivots = 2u,
    ForPorts = 4u,
    ForSteam = 8u,
    ForDiagram = 16u,
    ForSensitivity = 32u,
    ForSetting = 64u,
    ForTolerance = 128u,
    ForAnimate = 256u
};
constexpr unsigned ForAll =
    ForEvents | ForPivots | ForPorts | ForSteam | ForDiagram | ForSensitivity | ForSetting | ForTolerance | ForAnimate;

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

void ApplyAngle(Request& r, const std::string& value)
{
    if (r.angle) throw UsageError("--angle given more than once");
    r.angle = ParseModelValue(value, "--angle");
}

void ApplySet(Request& r, const std::string& value)
{
    const auto eq = value.find('=');
    if (eq == std::string::npos) throw UsageError("--set needs CODE=VALUE, got " + Quoted(value));
    const std::string codeText = value.substr(0, eq);
    const int code = ParseDimCode(codeText, "--set");
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

void ApplyReverse(Request& r, const std::string&) { r.reverse = true; }

// One of the picture files: --png, --pdf or --svg.
void ApplyPictureFile(std::optional<std::string>& file, const char* option, const std::string& value)
{
    if (file) throw UsageError(std::string(option) + " given more than once");
    if (value.empty()) throw UsageError(std::string("empty file name for ") + option);
    file = value;
}

void ApplyPng(Request& r, const std::string& value) { ApplyPictureFile(r.png, "--png", value); }
void ApplyPdf(Request& r, const std::string& value) { ApplyPictureFile(r.pdf, "--pdf", value); }
void ApplySvg(Request& r, const std::string& value) { ApplyPictureFile(r.svg, "--svg", value); }

void ApplyVScale(Request& r, const std::string& value)
{
    if (r.vscale) throw UsageError("--vscale given more than once");
    const double v = ParseNumber(value, "--vscale");
    if (v < MinVScale || v > MaxVScale)
        throw UsageError("--vscale " + Quoted(value) + " is outside 0.1 .. 10000 (units per 375 pixels)");
    r.vscale = v;
}

void ApplyGraph(Request& r, const std::string& value)
{
    if (r.graph) throw UsageError("--graph given more than once");
    if (value == "forward")
        r.graph = GraphChoice::Forward;
    else if (value == "reverse")
        r.graph = GraphChoice::Reverse;
    else if (value == "both")
        r.graph = GraphChoice::Both;
    else
        throw UsageError("unknown graph " + Quoted(value) + " (forward, reverse or both)");
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

constexpr unsigned ForGears = ForEvents | ForPivots | ForSteam | ForDiagram | ForSensitivity | ForTolerance | ForAnimate;

const std::array<Option, 29> kOptions = {{
    {"--step", true, ForEvents | ForPivots | ForSensitivity | ForSetting | ForTolerance | ForAnimate, ApplyStep},
    {"--angle", true, ForPivots, ApplyAngle},
    {"--set", true, ForAll, ApplySet},
    {"--csv", false, ForAll & ~(ForDiagram | ForAnimate), ApplyCsv},
    {"--gear", true, ForGears, ApplyGear},
    {"--rev", true, ForGears, ApplyRev},
    {"--codes", true, ForSensitivity, ApplyCodes},
    {"--delta", true, ForSensitivity, ApplyDelta},
    {"--free", true, ForSetting, ApplyFree},
    {"--balance", true, ForSetting, ApplyBalance},
    {"--target", true, ForSetting, ApplyTarget},
    {"--weight", true, ForSetting, ApplyWeight},
    {"--write", true, ForSetting, ApplyWrite},
    {"--design", true, ForAll, ApplyDesign},
    {"--reverse", false, ForPorts, ApplyReverse},
    {"--png", true, ForDiagram | ForTolerance, ApplyPng},
    {"--pdf", true, ForDiagram | ForTolerance, ApplyPdf},
    {"--svg", true, ForDiagram | ForTolerance, ApplySvg},
    {"--vscale", true, ForDiagram, ApplyVScale},
    {"--graph", true, ForDiagram, ApplyGraph},
    {"--tol", true, ForTolerance, ApplyTol},
    {"--all", true, ForTolerance, ApplyAll},
    {"--wear", true, ForTolerance, ApplyWear},
    {"--samples", true, ForTolerance, ApplySamples},
    {"--seed", true, ForTolerance, ApplySeed},
    {"--gif", true, ForAnimate, ApplyGif},
    {"--view", true, ForAnimate, ApplyView},
    {"--size", true, ForAnimate, ApplySize},
    {"--steam", false, ForAnimate, ApplySteam},
}};

const Option* FindOption(const std::string& name)
{
    for (const Option& o : kOptions)
        if (name == o.name) return &o;
    return nullptr;
}

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }

struct CommandInfo {
    Command command;
    const char* name;
    unsigned mask;
};

const std::array<CommandInfo, 9> kCommands = {{
    {Command::Events, "events", ForEvents},
    {Command::Pivots, "pivots", ForPivots},
    {Command::Ports, "ports", ForPorts},
    {Command::Steam, "steam", ForSteam},
    {Command::Diagram, "diagram", ForDiagram},
    {Command::Sensitivity, "sensitivity", ForSensitivity},
    {Command::Setting, "setting", ForSetting},
    {Command::Tolerance, "tolerance", ForTolerance},
    {Command::Animate, "animate", ForAnimate},
}};

const CommandInfo& InfoOf(Command c)
{
    for (const CommandInfo& info : kCommands)
        if (info.command == c) return info;
    return kCommands.front();
}

Command ParseCommand(const std::string& word)
{
    for (const CommandInfo& info : kCommands)
        if (word == info.name) return info.command;
    if (word == "help") return Command::Help;
    throw UsageError("unknown subcommand " + Quoted(word) +
                     " (events, pivots, ports, steam, diagram, sensitivity, setting, tolerance, animate or help)");
}

const char* CommandName(Command c) { return InfoOf(c).name; }

DiagramChoice ParseDiagram(const std::string& word)
{
    if (word == "sine") return DiagramChoice::Sine;
    if (word == "oval") return DiagramChoice::Oval;
    if (word == "steam") return DiagramChoice::Steam;
    if (word == "ports") return DiagramChoice::Ports;
    throw UsageError("unknown diagram " + Quoted(word) + " (sine, oval, steam or ports)");
}

// Reads the options from args[first] on.
void ParseOptions(Request& r, const std::vector<std::string>& args, size_t first)
{
    const unsigned mask = InfoOf(r.command).mask;
    for (size_t i = first; i < args.size(); ++i) {
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

// The options a diagram picture takes beyond its files and --set.
void CheckDiagram(const Request& r)
{
    const std::string name = std::string("diagram ") + DiagramName(r.diagram);
    if (!r.png && !r.pdf && !r.svg) throw UsageError(name + " needs --png FILE, --pdf FILE or --svg FILE");
    const bool ports = r.diagram == DiagramChoice::Ports;
    if (ports && !r.gears.empty()) throw UsageError("--gear and --rev do not apply to " + name);
    if (r.vscale && r.diagram != DiagramChoice::Sine && r.diagram != DiagramChoice::Oval)
        throw UsageError("--vscale does not apply to " + name);
    if (r.graph && !ports) throw UsageError("--graph does not apply to " + name);
}

void CheckList(const Request& r)
{
    if (r.gears.size() > MaxListPositions)
        throw UsageError(std::string(CommandName(r.command)) + " takes at most nine positions, got " +
                         std::to_string(r.gears.size()));
}

void CheckCombination(Request& r)
{
    if (r.command == Command::Diagram) CheckDiagram(r);
    if (r.command == Command::Steam || r.command == Command::Diagram) CheckList(r);
    if (r.command == Command::Steam && r.gears.empty())
        for (const char* name : {"mid", "fwd", "rev"}) r.gears.push_back({name, GearByName(name), 0});
    if (r.angle && r.step) throw UsageError("--angle and --step cannot be given together");
    if (r.command == Command::Pivots && r.gears.size() != 1)
        throw UsageError(r.gears.empty() ? "pivots needs a gear: --gear NAME or --rev OFFSET"
                                         : "pivots takes exactly one --gear or --rev");
    if (r.command == Command::Setting) CheckSetting(r);
    if (r.command == Command::Tolerance) CheckTolerance(r);
    if (r.command == Command::Animate) CheckAnimation(r);
    if (r.command == Command::Events && r.gears.empty())
        for (const char* name : {"mid", "fwd", "fwdmax", "rev", "revmax"})
            r.gears.push_back({name, GearByName(name), 0});
}

}  // namespace

const char* DiagramName(DiagramChoice d)
{
    switch (d) {
    case DiagramChoice::Sine: return "sine";
    case DiagramChoice::Oval: return "oval";
    case DiagramChoice::Steam: return "steam";
    case DiagramChoice::Ports: return "ports";
    }
    return "";
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

// A number the model can hold: the model keeps its values as 32-bit floats, so the number is
// judged after rounding to one (the largest float written out to nine digits lies a little above it).
double ParseModelValue(const std::string& text, const std::string& what)
{
    const double v = ParseNumber(text, what);
    if (std::isinf(static_cast<float>(v))) throw UsageError(Quoted(text) + " is out of range for " + what);
    return v;
}

int ParseDimCode(const std::string& text, const std::string& what)
{
    int code = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, code);
    if (text.empty() || ec != std::errc{} || ptr != last || !MechanismModel::IsDimCode(code))
        throw UsageError("unknown dimension code " + Quoted(text) + " in " + what + " (1..27 or 101..117)");
    return code;
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
    if (args.empty())
        throw UsageError(
            "a subcommand is needed (events, pivots, ports, steam, diagram, sensitivity, setting, tolerance, animate or "
            "help)");
    r.command = ParseCommand(args[0]);
    if (r.command == Command::Help) return r;
    size_t first = 1;
    if (r.command == Command::Diagram) {
        if (args.size() < 2) throw UsageError("diagram needs a kind: sine, oval, steam or ports");
        r.diagram = ParseDiagram(args[1]);
        first = 2;
    }
    ParseOptions(r, args, first);
    CheckCombination(r);
    return r;
}

}  // namespace zeph::report
