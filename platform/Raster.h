// Pixel rasterisers behind the canvases: end-exclusive lines, ellipse outlines and arc selection.
#pragma once

#include <algorithm>
#include <cstdint>

namespace zeph::raster {

using Coord = long long;

// Half-open pixel rectangle [left, right) x [top, bottom); pixels whose drawing cannot reach
// it are never generated, so huge coordinates cost no more than on-screen ones.
struct Reach {
    Coord left = 0, top = 0, right = 0, bottom = 0;
};

// Minor-axis offset of a Bresenham step, computed directly so a clipped line can start mid-way.
struct LineStep {
    Coord minor = 0;      // offset along the minor axis at the step
    Coord remainder = 0;  // running error term, kept in [0, 2 * major)
};
LineStep LineStepAt(Coord step, Coord major, Coord minor);

// Calls plot(x, y) for every pixel of the line from (x0, y0) towards (x1, y1): the start pixel
// is drawn, the end pixel is not, and a zero-length line draws nothing. Each step moves one
// pixel along the longer axis; the shorter axis follows the exact line rounded to the nearest
// pixel, half-way cases moving away from the start. Steps whose long-axis coordinate lies
// outside reach are skipped; the short-axis coordinate is not clipped here.
template <class Plot>
void Line(Coord x0, Coord y0, Coord x1, Coord y1, const Reach& reach, Plot&& plot)
{
    const Coord dx = x1 - x0, dy = y1 - y0;
    const Coord adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const Coord major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    if (major == 0)
        return;
    const Coord majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
    const Coord majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const Coord minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const Coord lo = xMajor ? reach.left : reach.top, hi = xMajor ? reach.right : reach.bottom;
    // Steps i with lo <= majorStart + majorSign * i < hi.
    Coord first = majorSign > 0 ? lo - majorStart : majorStart - hi + 1;
    Coord last = majorSign > 0 ? hi - 1 - majorStart : majorStart - lo;
    first = std::max<Coord>(first, 0);
    last = std::min<Coord>(last, major - 1);
    if (first > last)
        return;
    LineStep s = LineStepAt(first, major, minor);
    for (Coord i = first; i <= last; ++i) {
        const Coord a = majorStart + majorSign * i, b = minorStart + minorSign * s.minor;
        if (xMajor)
            plot(a, b);
        else
            plot(b, a);
        s.remainder += 2 * minor;
        if (s.remainder >= 2 * major) {
            s.remainder -= 2 * major;
            ++s.minor;
        }
    }
}

// The outline of an ellipse inscribed in the box x1..x2-1, y1..y2-1 (corners normalised),
// expressed on a doubled lattice about the box centre: lattice point (u, v) stands for the
// pixels ((sumX +- u) / 2, (sumY +- v) / 2), u having the parity of the box width - 1.
class EllipseShape {
public:
    EllipseShape(Coord x1, Coord y1, Coord x2, Coord y2);

    bool Empty() const { return a_ < 0 || b_ < 0; }

    // Calls plot(x, y) once for every outline pixel that lies in a row or column within reach.
    // The quarter computed is mirrored to the other three, so the outline is exactly symmetric
    // and touches all four sides of its box.
    template <class Plot>
    void ForEachPixel(const Reach& reach, Plot&& plot) const;

private:
    template <class Plot>
    void Mirror(Coord u, Coord v, Plot& plot) const;
    // Lattice values whose row (or column) is within [lo, hi) on either side of the centre.
    template <class Visit>
    static void ForVisible(Coord from, Coord to, Coord sum, Coord lo, Coord hi, Visit&& visit);

    Coord a_ = -1, b_ = -1;  // doubled semi-axes: box width - 1 and height - 1
    Coord sumX_ = 0, sumY_ = 0;
    Coord steepEnd_ = 0;     // last row index v of the part steeper than 45 degrees
    Coord steepEndU_ = 0;    // its u
};

// Nearest lattice value (parity of a, 0..a) to a * sqrt(1 - (v / b)^2); ties go outward.
Coord EllipseLatticeRound(Coord a, Coord b, Coord v);

// Chooses the outline pixels of an arc: those whose direction from the box centre lies
// counter-clockwise on screen from the start radial to the end radial, inclusive. Radials are
// taken from the box centre through the given points; equal directions select the whole ellipse.
// Directions are compared exactly, in integers: no angle is ever computed.
class ArcSelector {
public:
    ArcSelector(Coord x1, Coord y1, Coord x2, Coord y2, Coord x3, Coord y3, Coord x4, Coord y4);
    bool Contains(Coord x, Coord y) const;

    // A direction as doubled offsets from the box centre, screen y turned upwards.
    struct Direction {
        __int128 x = 0, y = 0;
    };

private:
    Coord twiceCentreX_, twiceCentreY_;
    Direction start_, end_;
    bool whole_ = false;
};

template <class Plot>
void EllipseShape::Mirror(Coord u, Coord v, Plot& plot) const
{
    const Coord right = (sumX_ + u) / 2, left = (sumX_ - u) / 2;
    const Coord bottom = (sumY_ + v) / 2, top = (sumY_ - v) / 2;
    plot(right, bottom);
    if (u != 0)
        plot(left, bottom);
    if (v != 0) {
        plot(right, top);
        if (u != 0)
            plot(left, top);
    }
}

template <class Visit>
void EllipseShape::ForVisible(Coord from, Coord to, Coord sum, Coord lo, Coord hi, Visit&& visit)
{
    // Far side (sum + t) / 2 in [lo, hi), near side (sum - t) / 2 in [lo, hi).
    Coord aLo = std::max(from, 2 * lo - sum), aHi = std::min(to, 2 * hi - 2 - sum);
    Coord bLo = std::max(from, sum - 2 * hi + 2), bHi = std::min(to, sum - 2 * lo);
    auto run = [&](Coord lower, Coord upper) {
        lower += (lower - from) & 1;  // keep to the lattice parity of from
        for (Coord t = lower; t <= upper; t += 2)
            visit(t);
    };
    if (aLo > aHi) {
        run(bLo, bHi);
    } else if (bLo > bHi) {
        run(aLo, aHi);
    } else {
        if (aLo > bLo) {
            std::swap(aLo, bLo);
            std::swap(aHi, bHi);
        }
        if (aHi >= bLo - 1) {
            run(aLo, std::max(aHi, bHi));
        } else {
            run(aLo, aHi);
            run(bLo, bHi);
        }
    }
}

template <class Plot>
void EllipseShape::ForEachPixel(const Reach& reach, Plot&& plot) const
{
    if (Empty())
        return;
    auto rows = [&](Coord from, Coord to, auto&& visit) { ForVisible(from, to, sumY_, reach.top, reach.bottom, visit); };
    // Steep part, one pixel per row, from the widest point up to 45 degrees.
    rows(b_ & 1, steepEnd_, [&](Coord v) { Mirror(EllipseLatticeRound(a_, b_, v), v, plot); });
    // Flat part, one column at a time towards the top and bottom. A column also fills the rows
    // left open since its outer neighbour, which only happens on very narrow ellipses, and the
    // innermost column always reaches the top and bottom rows of the box.
    Coord memoU = -1, memoV = 0;  // columns come in increasing u: each one's neighbour is the next one
    auto flatV = [&](Coord u) {
        if (u != memoU) {
            memoU = u;
            memoV = u >= steepEndU_ ? steepEnd_ : std::max(steepEnd_, EllipseLatticeRound(b_, a_, u));
        }
        return memoV;
    };
    ForVisible(a_ & 1, steepEndU_ - 2, sumX_, reach.left, reach.right, [&](Coord u) {
        const Coord v = flatV(u), outer = flatV(u + 2), top = u == (a_ & 1) ? b_ : v;
        rows(std::min(v, outer + 2), top, [&](Coord w) { Mirror(u, w, plot); });
    });
    // Tip of an ellipse too narrow to have a flat part.
    if (steepEndU_ == (a_ & 1))
        rows(steepEnd_ + 2, b_, [&](Coord v) { Mirror(a_ & 1, v, plot); });
}

}  // namespace zeph::raster
