// Reads the animate options, places the gear and view, and writes one driver turn as a looping GIF.
#include "tools/report/ReportAnimation.h"

#include <QString>
#include <charconv>
#include <cmath>

#include "model/analysis/GearChoice.h"
#include "model/linkage/ViewTransform.h"
#include "render/scene/GearAnimation.h"
#include "render/scene/ScenePainter.h"
#include "tools/report/Report.h"
#include "tools/report/ReportPicture.h"

namespace zeph::report {

namespace {

constexpr const char* Prefix = "zepharin-report: ";
// Smaller frames show too little of the mechanism to be worth a file.
constexpr int MinFrameSide = 16;

// Whole decimal digits only, into `v`; false when there are none, others, or too many.
bool ParseCount(std::string_view text, int& v)
{
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), last, v);
    return !text.empty() && text.front() != '-' && text.front() != '+' && ec == std::errc{} && ptr == last;
}

}  // namespace

void ApplyGif(Request& r, const std::string& value)
{
    if (r.gif) throw UsageError("--gif given more than once");
    if (value.empty()) throw UsageError("empty file name for --gif");
    r.gif = value;
}

void ApplyView(Request& r, const std::string& value)
{
    if (r.viewPreset) throw UsageError("--view given more than once");
    int preset = 0;
    if (!ParseCount(value, preset) || preset < 1 || preset >= PresetCount)
        throw UsageError("--view needs a view preset from 1 to 6, got " + Quoted(value));
    r.viewPreset = preset;
}

void ApplySize(Request& r, const std::string& value)
{
    if (r.frameSize) throw UsageError("--size given more than once");
    const auto x = value.find('x');
    FrameSize size;
    const std::string_view text(value);
    if (x == std::string::npos || !ParseCount(text.substr(0, x), size.width) ||
        !ParseCount(text.substr(x + 1), size.height))
        throw UsageError("--size needs WIDTHxHEIGHT in pixels, e.g. 632x380, got " + Quoted(value));
    if (size.width < MinFrameSide || size.width > ScenePainter::Width || size.height < MinFrameSide ||
        size.height > ScenePainter::Height)
        throw UsageError("--size " + Quoted(value) + " is outside 16x16 .. 1280x1024 (the whole picture)");
    r.frameSize = size;
}

void ApplySteam(Request& r, const std::string&) { r.steam = true; }

void CheckAnimation(const Request& r)
{
    if (!r.gif) throw UsageError("animate needs --gif FILE");
    if (r.gears.size() > 1) throw UsageError("animate takes one --gear or --rev at the most");
    if (r.step && (*r.step < MinAnimationStep || *r.step > MaxAnimationStep))
        throw UsageError("--step of animate lies within 1 .. 180 degrees");
}

void PlaceAnimation(MechanismModel& m, const Request& r)
{
    if (!r.gears.empty()) {
        const Gear gear = ResolveGear(m, r.gears.front());
        m.RevArmPosition = gear.revArm;
        m.Direction = gear.forward ? RunDirection::Forward : RunDirection::Reverse;
    }
    if (r.viewPreset) {
        const ViewTriple& view = m.ViewPresets[static_cast<size_t>(*r.viewPreset)];
        if (!(view.scale > 0) || !std::isfinite(view.panX) || !std::isfinite(view.panY))
            throw UsageError("view preset " + std::to_string(*r.viewPreset) + " of the design holds no view");
        SetView(m, view);
    }
    m.SteamDisplayOn = r.steam;
}

int RunAnimation(const MechanismModel& m, const Request& r, std::ostream& err)
{
    EnsureGuiApplication();
    const FrameSize size = r.frameSize.value_or(DefaultFrameSize);
    AnimationSettings settings;
    settings.step = static_cast<float>(r.step.value_or(DefaultAnimationStep));
    settings.size = QSize(size.width, size.height);
    const AnimationGif animation = MakeAnimationGif(m, settings);
    const std::string path = r.gif.value_or("");
    if (const std::optional<ReplaceFailure> failure = WriteGif(animation.gif, QString::fromStdString(path))) {
        err << Prefix << "could not write the animation to " << Quoted(path) << ": " << failure->reason.toStdString()
            << '\n';
        return ExitWriteFailed;
    }
    if (!animation.run.mechanismError) return ExitOk;
    err << Prefix << "warning: the linkage could not close during the turn; the frames show a bent linkage\n";
    return ExitMechanismError;
}

}  // namespace zeph::report
