// Command line of the report companion: what was asked for, and the reader that checks it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/analysis/DimChange.h"
#include "model/analysis/GearChoice.h"
#include "model/analysis/SettingProblem.h"
#include "model/analysis/ToleranceStudy.h"

namespace zeph::report {

// A refused command line; the message names the culprit and fits on one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Command { Events, Pivots, Ports, Steam, Diagram, Sensitivity, Setting, Tolerance, Animate, Help };

// The diagram a picture is made of, and the graph of the port events diagram.
enum class DiagramChoice { Sine, Oval, Steam, Ports };
enum class GraphChoice { Forward, Reverse, Both };

// One gear to report, and one dimension change by its code.
using GearRequest = GearChoice;
using DimSetting = DimChange;

// A free dimension of the setting command; without bounds it gets the default ones.
struct FreeRequest {
    int code = 0;
    std::optional<double> min, max;
};

// The size of an animation's frames, in pixels.
struct FrameSize {
    int width = 0, height = 0;
};

struct Request {
    Command command = Command::Help;
    std::vector<GearRequest> gears;
    std::vector<DimSetting> settings;
    std::optional<std::string> designFile;  // opened before the settings apply
    std::optional<double> angle;
    std::optional<double> step;
    bool csv = false;
    bool reverse = false;                  // ports: the reverse graph
    DiagramChoice diagram = DiagramChoice::Sine;
    std::optional<std::string> png;        // diagram and tolerance: the picture file
    std::optional<std::string> pdf;        // diagram and tolerance: the same drawing as a PDF
    std::optional<std::string> svg;        // diagram and tolerance: the same drawing as an SVG
    std::optional<double> vscale;          // diagram sine and oval: the vertical scale
    std::optional<GraphChoice> graph;      // diagram ports
    std::vector<int> codes;                // sensitivity: the codes asked for, empty for all
    std::optional<double> delta;           // sensitivity: H
    std::vector<FreeRequest> free;         // setting
    std::vector<SettingGoal> goals;        // setting
    std::array<std::optional<double>, SettingEventCount> weights{};  // setting, per event
    std::optional<std::string> writeFile;  // setting: the design file to save
    std::vector<DimTolerance> tolerances;  // tolerance: --tol, in the order given
    std::optional<double> allTolerance;    // tolerance: --all
    std::optional<double> wear;            // tolerance: --wear
    std::optional<long> samples;           // tolerance
    std::optional<std::uint64_t> seed;     // tolerance
    std::optional<std::string> gif;        // animate: the animation file
    std::optional<int> viewPreset;         // animate: the design's view preset to recall
    std::optional<FrameSize> frameSize;    // animate
    bool steam = false;                    // animate: with the steam display
};

// The diagram list holds nine positions at the most.
constexpr size_t MaxListPositions = 9;
// The vertical scales a diagram can be drawn at.
constexpr double MinVScale = 0.1, MaxVScale = 10000;

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

// A dimension code (1..27 or 101..117); throws UsageError naming `what`.
int ParseDimCode(const std::string& text, const std::string& what);

// A number the model can hold as a 32-bit float; throws UsageError naming `what`.
double ParseModelValue(const std::string& text, const std::string& what);

// A user's text for a one-line message: in single quotes, with control characters, quotes,
// backslashes and bytes outside ASCII written as escapes.
std::string Quoted(const std::string& s);

// The diagram's word on the command line: "sine", "oval", "steam" or "ports".
const char* DiagramName(DiagramChoice d);

}  // namespace zeph::report
