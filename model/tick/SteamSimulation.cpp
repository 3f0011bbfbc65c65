// The steam in each cylinder end from tick to tick: phase, density, dot count and exhaust beats.
#include "model/tick/SteamSimulation.h"

#include <algorithm>

#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

// The colour tells the phase: red admission, fuchsia expansion, blue exhaust, green
// compression. The colour carries over from the front end where no rule applies.
void PhaseColour(float steam, float exhaust, char& phase, SteamColour& colour)
{
    if (steam > 0) {
        phase = 'E';
        colour = SteamColour::Red;
    }
    if (steam <= 0 && phase == 'E') colour = SteamColour::Fuchsia;
    if (exhaust > 0) {
        phase = 'C';
        colour = SteamColour::Blue;
    }
    if (exhaust <= 0 && phase == 'C') colour = SteamColour::Green;
}

// Admission fills an end faster the wider the port and the larger the step; exhaust empties it.
void Density(const MechanismModel& m, float steam, float exhaust, SteamColour colour, float& density, int32_t& dots)
{
    Real d = density;
    if (colour == SteamColour::Red) d += Real(m.StepAngle) * 50 * (Real(steam) + 0.1L);
    if (colour == SteamColour::Blue) d -= Real(m.StepAngle) * 60 * Real(exhaust);
    if (!(d >= 25)) d = 25;  // also a density that is not a number
    if (d > 2000) d = 2000;
    density = static_cast<float>(d);
    dots = RoundInt(Real(density) * DotZoom(m.ViewScale) / 18.5L);
}

// A drawing step that scatters dots over a collapsed height beeps once, while the error beep is on.
void BeepIfCollapsed(const MechanismModel& m, int dotCount, int32_t height, TickEvents& events)
{
    if (dotCount > 0 && height == 0 && m.ErrorBeepOn) events.Beep();
}

void CollapsedHeightBeeps(const MechanismModel& m, TickEvents& events)
{
    const int32_t passage = PassageHeight(m);
    const int32_t chamber = ChamberHeight(m);
    BeepIfCollapsed(m, m.Steam.FrontDots / 15, passage, events);
    BeepIfCollapsed(m, m.Steam.RearDots / 15, passage, events);
    BeepIfCollapsed(m, m.Steam.FrontDots / 12, chamber, events);
    BeepIfCollapsed(m, m.Steam.RearDots / 12, chamber, events);
}

void Beat(const MechanismModel& m, float exhaust, char& armed, float& beatDensity, float density,
          float otherBeatDensity, TickEvents& events)
{
    if (!(exhaust >= 0) && m.GraphicDimCode == 0) armed = '1';
    if (exhaust > 0 && armed == '1') {
        armed = '0';
        beatDensity = density;
        const uint32_t volume = BeatVolume(RoundInt(otherBeatDensity));
        if (volume != 0) events.SetVolume(volume);
        events.Play("Exhaust.wav");
    }
}

}  // namespace

void StepSteam(MechanismModel& m, TickEvents& events)
{
    const PortState& p = m.Ports;
    SteamState& s = m.Steam;
    SteamColour colour = SteamColour::Black;
    PhaseColour(p.FrontSteamOpening, p.FrontExhaustOpening, s.FrontPhase, colour);
    s.FrontColour = colour;
    Density(m, p.FrontSteamOpening, p.FrontExhaustOpening, colour, s.FrontDensity, s.FrontDots);
    PhaseColour(p.RearSteamOpening, p.RearExhaustOpening, s.RearPhase, colour);
    s.RearColour = colour;
    Density(m, p.RearSteamOpening, p.RearExhaustOpening, colour, s.RearDensity, s.RearDots);
    CollapsedHeightBeeps(m, events);
    Beat(m, p.FrontExhaustOpening, s.FrontExhaustArmed, s.FrontBeatDensity, s.FrontDensity, s.RearBeatDensity, events);
    Beat(m, p.RearExhaustOpening, s.RearExhaustArmed, s.RearBeatDensity, s.RearDensity, s.FrontBeatDensity, events);
}

Real DotZoom(Real viewScale)
{
    if (!(viewScale > 0)) return 0;
    return std::min(viewScale, MaxViewScale);
}

uint32_t BeatVolume(int32_t v)
{
    struct Band {
        int32_t from, to;
        uint32_t volume;
    };
    static constexpr Band bands[] = {{24, 100, 0x07000700u},    {101, 200, 0x14001400u},  {201, 400, 0x28002800u},
                                     {401, 600, 0x40004000u},   {601, 800, 0x50005000u},  {801, 1000, 0x60006000u},
                                     {1001, 1200, 0x70007000u}, {1201, 2001, 0x80008000u}};
    for (const Band& b : bands)
        if (v >= b.from && v <= b.to) return b.volume;
    return 0;
}

}  // namespace zeph
