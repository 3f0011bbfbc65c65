// The cylinder section with piston and valve, and the steam in it shown as phase-coloured dots.
#include "main/SteamDisplay.h"

#include <cmath>

#include "model/ViewTransform.h"

namespace zeph {

SteamDisplay::SteamDisplay(MechanismModel& model, SoundSink& sound, Random& random)
    : m(model), sound_(sound), rnd_(random)
{
}

// ---- outline ---------------------------------------------------------------------------

namespace {

void LineTo(Canvas& c, ScreenPt p) { c.LineTo(p.x, p.y); }
void MoveTo(Canvas& c, ScreenPt p) { c.MoveTo(p.x, p.y); }

// A closed four-sided figure starting from its last corner.
template <typename Points>
void Quad(Canvas& c, const Points& q)
{
    MoveTo(c, q[3]);
    for (int i = 0; i < 4; ++i) LineTo(c, q[i]);
}

}  // namespace

void SteamDisplay::DrawOutline(Canvas& c)
{
    const ScreenOutlines& o = m.Outlines;
    c.SetPenColor(clGray);
    MoveTo(c, o.S);
    for (int i = 0; i <= 8; ++i) LineTo(c, o.CO[i]);
    MoveTo(c, o.CO[9]);
    LineTo(c, o.CO[10]);
    MoveTo(c, o.CO[11]);
    LineTo(c, o.CO[12]);
    Quad(c, o.PI);

    c.SetPenColor(clBlack);
    c.MoveTo(m.Pivots[Crosshead].sx, m.Pivots[Crosshead].sy);
    LineTo(c, o.PO[4]);
    Quad(c, o.PO);
    c.MoveTo(m.Pivots[ValveJoint].sx, m.Pivots[ValveJoint].sy);
    LineTo(c, o.PO[5]);
    Quad(c, o.VR);
    Quad(c, o.VF);
}

// ---- steam -----------------------------------------------------------------------------

void SteamDisplay::DrawSteam(Canvas& c)
{
    const ScreenOutlines& o = m.Outlines;
    const PortState& p = m.Ports;
    rnd_.SeedFromClock();
    LiveSteam(c);

    TColor colour = clBlack;
    PhaseColour(p.FrontSteamOpening, p.FrontExhaustOpening, m.Steam.FrontPhase, colour);
    Density(p.FrontSteamOpening, p.FrontExhaustOpening, colour, m.Steam.FrontDensity, m.Steam.FrontDots);
    CylinderEnd(c, m.Steam.FrontDots, o.PO[3].x, o.CO[5].x, colour);
    FrontPassage(c, colour);

    PhaseColour(p.RearSteamOpening, p.RearExhaustOpening, m.Steam.RearPhase, colour);
    Density(p.RearSteamOpening, p.RearExhaustOpening, colour, m.Steam.RearDensity, m.Steam.RearDots);
    CylinderEnd(c, m.Steam.RearDots, o.CO[2].x, o.PO[0].x, colour);
    RearPassage(c, colour);

    ExhaustSpace(c, true);
    ExhaustSpace(c, false);
    if (m.ScreenDataOn) Legend(c);
    c.SetFontColor(clBlack);
    Beats();
}

void SteamDisplay::LiveSteam(Canvas& c)
{
    const ScreenOutlines& o = m.Outlines;
    const Real z = m.ViewScale;
    const int32_t top = o.S.y, floor = o.CO[0].y, stemY = o.PO[5].y;
    const int32_t supply = RoundInt(z * 5.4L);
    for (int i = 0; i < supply; ++i)
        c.SetPixel(rnd_.Rnd(o.CO[10].x - o.CO[12].x) + o.CO[12].x, top - rnd_.Rnd(floor - stemY), clRed);
    const int32_t between = RoundInt(z * 43.2L);
    for (int i = 0; i < between; ++i)
        c.SetPixel(rnd_.Rnd(o.VF[0].x - o.VR[3].x) + o.VR[3].x, rnd_.Rnd(floor - top) + top, clRed);
}

// The colour tells the phase: red admission, fuchsia expansion, blue exhaust, green
// compression. The colour carries over from the front end where no rule applies.
void SteamDisplay::PhaseColour(float steam, float exhaust, char& phase, TColor& colour)
{
    if (steam > 0) {
        phase = 'E';
        colour = clRed;
    }
    if (steam <= 0 && phase == 'E') colour = clFuchsia;
    if (exhaust > 0) {
        phase = 'C';
        colour = clBlue;
    }
    if (exhaust <= 0 && phase == 'C') colour = clGreen;
}

void SteamDisplay::Density(float steam, float exhaust, TColor colour, float& density, int32_t& dots)
{
    Real d = density;
    if (colour == clRed) d += Real(m.StepAngle) * 50 * (Real(steam) + 0.1L);
    if (colour == clBlue) d -= Real(m.StepAngle) * 60 * Real(exhaust);
    if (!(d >= 25)) d = 25;  // also a density that is not a number
    if (d > 2000) d = 2000;
    density = static_cast<float>(d);
    dots = RoundInt(Real(density) * m.ViewScale / 18.5L);
}

void SteamDisplay::CylinderEnd(Canvas& c, int count, int xFrom, int xTo, TColor colour)
{
    const int32_t boreTop = m.Outlines.CO[2].y, boreBottom = m.Outlines.CO[3].y;
    for (int i = 0; i < count; ++i)
        c.SetPixel(rnd_.Rnd(xTo - xFrom) + xFrom, rnd_.Rnd(boreBottom - boreTop) + boreTop, colour);
}

// A collapsed passage or chamber would divide by zero: take 1 and sound the error beep.
int32_t SteamDisplay::GuardedHeight(int32_t h)
{
    if (h != 0) return h;
    if (m.ErrorBeepOn) sound_.Beep();
    return 1;
}

void SteamDisplay::FrontPassage(Canvas& c, TColor colour)
{
    const ScreenOutlines& o = m.Outlines;
    const int32_t floor = o.CO[0].y;
    const int count = m.Steam.FrontDots / 15;
    if (count <= 0) return;
    const int32_t h = GuardedHeight(o.CO[2].y - floor);
    for (int i = 0; i < count; ++i) {
        const int32_t r = rnd_.Rnd(h);
        const Real t = Real(r) / h;
        const int32_t x = RoundInt((o.CO[5].x - o.CO[6].x) * t) + o.CO[6].x - rnd_.Rnd(o.CO[6].x - o.PI[3].x);
        c.SetPixel(x, floor + r, colour);
    }
}

void SteamDisplay::RearPassage(Canvas& c, TColor colour)
{
    const ScreenOutlines& o = m.Outlines;
    const int32_t floor = o.CO[0].y;
    const int count = m.Steam.RearDots / 15;
    if (count <= 0) return;
    const int32_t h = GuardedHeight(o.CO[2].y - floor);
    for (int i = 0; i < count; ++i) {
        const int32_t r = rnd_.Rnd(h);
        const Real t = Real(r) / h;
        const int32_t x = rnd_.Rnd(o.PI[0].x - o.CO[1].x) + RoundInt((o.CO[1].x - o.CO[2].x) * (-t)) + o.CO[1].x;
        c.SetPixel(x, floor + r, colour);
    }
}

// The chamber space outside a valve head, and the exhaust rising from the chamber top: blue
// while that end exhausts, white (wiping what was there) while it does not.
void SteamDisplay::ExhaustSpace(Canvas& c, bool front)
{
    const ScreenOutlines& o = m.Outlines;
    const int32_t top = o.S.y, floor = o.CO[0].y;
    const float exhaust = front ? m.Ports.FrontExhaustOpening : m.Ports.RearExhaustOpening;
    const int dots = front ? m.Steam.FrontDots : m.Steam.RearDots;
    const TColor colour = exhaust > 0 ? clBlue : clWhite;
    const int xFrom = front ? o.VF[3].x : o.S.x;
    const int xTo = front ? o.CO[8].x : o.VR[0].x;
    for (int i = 0; i < dots / 5; ++i) c.SetPixel(rnd_.Rnd(xTo - xFrom) + xFrom, rnd_.Rnd(floor - top) + top, colour);

    const int pairs = dots / 12;
    if (pairs <= 0) return;
    const int32_t h = GuardedHeight(floor - top);
    for (int i = 0; i < pairs; ++i) {
        const int32_t r = rnd_.Rnd(h);
        const Real t = Real(r) / h;
        int32_t x;
        if (front)
            x = rnd_.Rnd(o.CO[8].x - o.CO[9].x) + RoundInt((o.CO[9].x - o.CO[12].x) * (-t)) + o.CO[9].x;
        else
            x = rnd_.Rnd(o.CO[11].x - o.S.x) + RoundInt((o.CO[12].x - o.S.x) * t) + o.S.x;
        c.SetPixel(x, top - r, colour);
        ExhaustCone(c, h, colour);
    }
}

// One dot of the cone over the middle of the chamber, from one to three chamber heights up.
void SteamDisplay::ExhaustCone(Canvas& c, int32_t h, TColor colour)
{
    const ScreenOutlines& o = m.Outlines;
    const int32_t top = o.S.y, floor = o.CO[0].y;
    const int32_t r = rnd_.Rnd(3 * floor - 3 * top);
    const Real t = Real(r) / h;
    const int32_t w = rnd_.Rnd(o.CO[10].x - o.CO[12].x);
    const Real span = o.CO[10].x - o.CO[12].x;
    c.SetPixel(RoundInt(w * t * 2 + o.CO[12].x + span / 2 - span * t), 2 * top - floor - r, colour);
}

void SteamDisplay::Legend(Canvas& c)
{
    const int32_t x = m.Outlines.CO[3].x, y = m.Outlines.CO[3].y;
    c.SetFontColor(clRed);
    c.TextOut(x - 40, y + 5, "ADMISSION");
    c.SetFontColor(clFuchsia);
    c.TextOut(x + 40, y + 5, "EXPANSION");
    c.SetFontColor(clBlue);
    c.TextOut(x - 40, y + 17, "EXHAUST");
    c.SetFontColor(clGreen);
    c.TextOut(x + 24, y + 17, "COMPRESSION");
}

void SteamDisplay::Beats()
{
    SteamState& s = m.Steam;
    Beat(m.Ports.FrontExhaustOpening, s.FrontExhaustArmed, s.FrontBeatDensity, s.FrontDensity, s.RearBeatDensity);
    Beat(m.Ports.RearExhaustOpening, s.RearExhaustArmed, s.RearBeatDensity, s.RearDensity, s.FrontBeatDensity);
}

// Armed once the port was seen closed (never while a dimension pointer shows); plays when it
// opens, as loud as the other end's last beat was dense.
void SteamDisplay::Beat(float exhaust, char& armed, float& beatDensity, float density, float otherBeatDensity)
{
    if (!(exhaust >= 0) && m.GraphicDimCode == 0) armed = '1';
    if (exhaust > 0 && armed == '1') {
        armed = '0';
        beatDensity = density;
        const uint32_t volume = BeatVolume(RoundInt(otherBeatDensity));
        if (volume != 0) sound_.SetWaveVolume(volume);
        sound_.PlayAsync("Exhaust.wav");
    }
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
