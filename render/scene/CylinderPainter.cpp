// Painting of the cylinder section with piston and valve, and of the steam in it as phase-coloured dots.
#include "render/scene/CylinderPainter.h"

#include <array>
#include <cmath>

#include "model/tick/SteamSimulation.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

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

void DrawCylinderOutline(Canvas& c, const SceneGeometry& g)
{
    const ScreenOutlines& o = g.outlines;
    c.SetPenColor(clGray);
    MoveTo(c, o.S);
    for (int i = 0; i <= 8; ++i) LineTo(c, o.CO[i]);
    MoveTo(c, o.CO[9]);
    LineTo(c, o.CO[10]);
    MoveTo(c, o.CO[11]);
    LineTo(c, o.CO[12]);
    Quad(c, o.PI);

    c.SetPenColor(clBlack);
    MoveTo(c, g.pivots[Crosshead]);
    LineTo(c, o.PO[4]);
    Quad(c, o.PO);
    MoveTo(c, g.pivots[ValveJoint]);
    LineTo(c, o.PO[5]);
    Quad(c, o.VR);
    Quad(c, o.VF);
}

// ---- steam -----------------------------------------------------------------------------

TColor ToColour(SteamColour colour)
{
    switch (colour) {
    case SteamColour::Red: return clRed;
    case SteamColour::Fuchsia: return clFuchsia;
    case SteamColour::Blue: return clBlue;
    case SteamColour::Green: return clGreen;
    case SteamColour::Black: break;
    }
    return clBlack;
}

namespace {

// Dots gathered into batches of one colour, handed to the canvas in the order they were made.
class DotBatch {
public:
    explicit DotBatch(Canvas& c) : c_(c) {}
    ~DotBatch() { Flush(); }

    void Add(int x, int y, TColor colour)
    {
        if (count_ > 0 && (colour != colour_ || count_ == points_.size())) Flush();
        colour_ = colour;
        points_[count_++] = QPoint(x, y);
    }
    void Flush()
    {
        if (count_ > 0) c_.SetPixels(points_.data(), count_, colour_);
        count_ = 0;
    }

private:
    Canvas& c_;
    std::array<QPoint, 1024> points_;
    size_t count_ = 0;
    TColor colour_ = clBlack;
};

// The dots of one tick, scattered by one random sequence over the outline of the tick.
class SteamDots {
public:
    SteamDots(Canvas& c, const MechanismModel& m, const ScreenOutlines& o, Random& rnd)
        : c_(c), dots_(c), m_(m), o_(o), rnd_(rnd)
    {
    }

    void LiveSteam();
    void CylinderEnd(int count, int xFrom, int xTo, TColor colour);
    void FrontPassage(TColor colour);
    void RearPassage(TColor colour);
    void ExhaustSpace(bool front);
    void Legend();

private:
    void ExhaustCone(int32_t h, TColor colour);
    int32_t Top() const { return o_.S.y; }
    int32_t Floor() const { return o_.CO[0].y; }

    Canvas& c_;
    DotBatch dots_;
    const MechanismModel& m_;
    const ScreenOutlines& o_;
    Random& rnd_;
};

// Red dots in the supply above the chamber's middle opening and between the valve heads.
void SteamDots::LiveSteam()
{
    const Real z = DotZoom(m_.MappedView.scale);
    const int32_t stemY = o_.PO[5].y;
    const int32_t supply = RoundInt(z * 5.4L);
    for (int i = 0; i < supply; ++i)
        dots_.Add(rnd_.Rnd(o_.CO[10].x - o_.CO[12].x) + o_.CO[12].x, Top() - rnd_.Rnd(Floor() - stemY), clRed);
    const int32_t between = RoundInt(z * 43.2L);
    for (int i = 0; i < between; ++i)
        dots_.Add(rnd_.Rnd(o_.VF[0].x - o_.VR[3].x) + o_.VR[3].x, rnd_.Rnd(Floor() - Top()) + Top(), clRed);
}

void SteamDots::CylinderEnd(int count, int xFrom, int xTo, TColor colour)
{
    const int32_t boreTop = o_.CO[2].y, boreBottom = o_.CO[3].y;
    for (int i = 0; i < count; ++i)
        dots_.Add(rnd_.Rnd(xTo - xFrom) + xFrom, rnd_.Rnd(boreBottom - boreTop) + boreTop, colour);
}

void SteamDots::FrontPassage(TColor colour)
{
    const int count = m_.Steam.FrontDots / 15;
    if (count <= 0) return;
    const int32_t h = DotHeight(o_.CO[2].y - Floor());
    for (int i = 0; i < count; ++i) {
        const int32_t r = rnd_.Rnd(h);
        const Real t = Real(r) / h;
        const int32_t x = RoundInt((o_.CO[5].x - o_.CO[6].x) * t) + o_.CO[6].x - rnd_.Rnd(o_.CO[6].x - o_.PI[3].x);
        dots_.Add(x, Floor() + r, colour);
    }
}

void SteamDots::RearPassage(TColor colour)
{
    const int count = m_.Steam.RearDots / 15;
    if (count <= 0) return;
    const int32_t h = DotHeight(o_.CO[2].y - Floor());
    for (int i = 0; i < count; ++i) {
        const int32_t r = rnd_.Rnd(h);
        const Real t = Real(r) / h;
        const int32_t x = rnd_.Rnd(o_.PI[0].x - o_.CO[1].x) + RoundInt((o_.CO[1].x - o_.CO[2].x) * (-t)) + o_.CO[1].x;
        dots_.Add(x, Floor() + r, colour);
    }
}

// The chamber space outside a valve head, and the exhaust rising from the chamber top: blue
// while that end exhausts, white (wiping what was there) while it does not.
void SteamDots::ExhaustSpace(bool front)
{
    const float exhaust = front ? m_.Ports.FrontExhaustOpening : m_.Ports.RearExhaustOpening;
    const int dots = front ? m_.Steam.FrontDots : m_.Steam.RearDots;
    const TColor colour = exhaust > 0 ? clBlue : clWhite;
    const int xFrom = front ? o_.VF[3].x : o_.S.x;
    const int xTo = front ? o_.CO[8].x : o_.VR[0].x;
    for (int i = 0; i < dots / 5; ++i)
        dots_.Add(rnd_.Rnd(xTo - xFrom) + xFrom, rnd_.Rnd(Floor() - Top()) + Top(), colour);

    const int pairs = dots / 12;
    if (pairs <= 0) return;
    const int32_t h = DotHeight(Floor() - Top());
    for (int i = 0; i < pairs; ++i) {
        const int32_t r = rnd_.Rnd(h);
        const Real t = Real(r) / h;
        int32_t x;
        if (front)
            x = rnd_.Rnd(o_.CO[8].x - o_.CO[9].x) + RoundInt((o_.CO[9].x - o_.CO[12].x) * (-t)) + o_.CO[9].x;
        else
            x = rnd_.Rnd(o_.CO[11].x - o_.S.x) + RoundInt((o_.CO[12].x - o_.S.x) * t) + o_.S.x;
        dots_.Add(x, Top() - r, colour);
        ExhaustCone(h, colour);
    }
}

// One dot of the cone over the middle of the chamber, from one to three chamber heights up.
void SteamDots::ExhaustCone(int32_t h, TColor colour)
{
    const int32_t r = rnd_.Rnd(3 * Floor() - 3 * Top());
    const Real t = Real(r) / h;
    const int32_t w = rnd_.Rnd(o_.CO[10].x - o_.CO[12].x);
    const Real span = o_.CO[10].x - o_.CO[12].x;
    dots_.Add(RoundInt(w * t * 2 + o_.CO[12].x + span / 2 - span * t), 2 * Top() - Floor() - r, colour);
}

void SteamDots::Legend()
{
    dots_.Flush();  // the legend stands over the dots
    const int32_t x = o_.CO[3].x, y = o_.CO[3].y;
    c_.SetFontColor(clRed);
    c_.TextOut(x - 40, y + 5, "ADMISSION");
    c_.SetFontColor(clFuchsia);
    c_.TextOut(x + 40, y + 5, "EXPANSION");
    c_.SetFontColor(clBlue);
    c_.TextOut(x - 40, y + 17, "EXHAUST");
    c_.SetFontColor(clGreen);
    c_.TextOut(x + 24, y + 17, "COMPRESSION");
}

}  // namespace

void DrawSteam(Canvas& c, const MechanismModel& m, const SceneGeometry& g, Random& rnd)
{
    const ScreenOutlines& o = g.outlines;
    SteamDots dots(c, m, o, rnd);
    dots.LiveSteam();
    const TColor front = ToColour(m.Steam.FrontColour);
    dots.CylinderEnd(m.Steam.FrontDots, o.PO[3].x, o.CO[5].x, front);
    dots.FrontPassage(front);
    const TColor rear = ToColour(m.Steam.RearColour);
    dots.CylinderEnd(m.Steam.RearDots, o.CO[2].x, o.PO[0].x, rear);
    dots.RearPassage(rear);
    dots.ExhaustSpace(true);
    dots.ExhaustSpace(false);
    if (m.ScreenDataOn) dots.Legend();
    c.SetFontColor(clBlack);
}

}  // namespace zeph
