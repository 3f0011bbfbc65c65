// Exact integer set-up of the rasterisers; wide intermediates keep huge coordinates defined.
#include "platform/Raster.h"

#include <cmath>
#include <numbers>

namespace zeph::raster {

namespace {

using Wide = __int128;
using Real = long double;

template <class T>
T Square(T x)
{
    return x * x;
}

// Largest value of parity p (0 or 1) that is <= x, for x >= -2.
Coord ParityFloor(Real x, Coord p) { return p + 2 * static_cast<Coord>(std::floor((x - p) / 2)); }


// Exact while the squared products fit the type: int64 for axes up to 2^15, long double
// (64-bit mantissa) up to 2^16, an estimate beyond that.
template <class T>
Coord LatticeRound(Coord a, Coord b, Coord v)
{
    const T target = T(a) * a * (T(b) * b - T(v) * v);
    const T b2 = T(b) * b;
    const double estimate = b == 0 ? a : a * std::sqrt(std::max(0.0, 1 - Square(double(v) / b)));
    const Coord parity = a & 1;
    Coord u = std::clamp(a - 2 * std::llround((a - estimate) / 2), parity, a);
    while (u + 2 <= a && T(u + 1) * (u + 1) * b2 <= target)
        u += 2;
    while (u - 2 >= parity && T(u - 1) * (u - 1) * b2 > target)
        u -= 2;
    return u;
}

}  // namespace

LineStep LineStepAt(Coord step, Coord major, Coord minor)
{
    const Wide num = Wide(2) * step * minor + major;
    return {static_cast<Coord>(num / (2 * Wide(major))), static_cast<Coord>(num % (2 * Wide(major)))};
}

Coord EllipseLatticeRound(Coord a, Coord b, Coord v)
{
    constexpr Coord Int64Limit = Coord(1) << 15;
    return a < Int64Limit && b < Int64Limit ? LatticeRound<Coord>(a, b, v) : LatticeRound<Real>(a, b, v);
}

EllipseShape::EllipseShape(Coord x1, Coord y1, Coord x2, Coord y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    a_ = x2 - x1 - 1;
    b_ = y2 - y1 - 1;
    sumX_ = x1 + x2 - 1;
    sumY_ = y1 + y2 - 1;
    if (Empty())
        return;
    // Rows stay steep while v^2 (a^2 + b^2) <= b^4, the 45-degree point of the ellipse.
    const Real sumSq = Square<Real>(a_) + Square<Real>(b_), b4 = Square(Square<Real>(b_));
    const Coord parity = b_ & 1;
    if (a_ == 0) {
        steepEnd_ = b_;
    } else {
        steepEnd_ = std::clamp(ParityFloor(Square<Real>(b_) / std::sqrt(sumSq), parity), parity - 2, b_);
        while (steepEnd_ + 2 <= b_ && Square<Real>(steepEnd_ + 2) * sumSq <= b4)
            steepEnd_ += 2;
        while (steepEnd_ >= parity && Square<Real>(steepEnd_) * sumSq > b4)
            steepEnd_ -= 2;
    }
    steepEndU_ = steepEnd_ < parity ? a_ + 2 : EllipseLatticeRound(a_, b_, steepEnd_);
}

namespace {

using Direction = ArcSelector::Direction;

__int128 Cross(const Direction& a, const Direction& b) { return a.x * b.y - a.y * b.x; }
__int128 Dot(const Direction& a, const Direction& b) { return a.x * b.x + a.y * b.y; }

// The half turn, counter-clockwise from `from`, in which a direction lies: 0 for angles in
// [0, pi), 1 for [pi, 2 pi). A zero direction counts as pointing along +x, as atan2 has it.
int HalfTurn(const Direction& from, Direction v)
{
    if (v.x == 0 && v.y == 0) v.x = 1;
    const __int128 cross = Cross(from, v);
    return cross > 0 || (cross == 0 && Dot(from, v) > 0) ? 0 : 1;
}

// Whether the counter-clockwise angle from `from` to `a` is at most that to `b`.
bool NotBeyond(const Direction& from, Direction a, const Direction& b)
{
    if (a.x == 0 && a.y == 0) a.x = 1;
    const int ha = HalfTurn(from, a), hb = HalfTurn(from, b);
    if (ha != hb) return ha < hb;
    // Within one half turn the angles differ by less than pi: the cross product's sign orders them.
    return Cross(a, b) >= 0;
}

}  // namespace

ArcSelector::ArcSelector(Coord x1, Coord y1, Coord x2, Coord y2, Coord x3, Coord y3, Coord x4, Coord y4)
    : twiceCentreX_(x1 + x2), twiceCentreY_(y1 + y2)
{
    start_ = {2 * __int128(x3) - twiceCentreX_, twiceCentreY_ - 2 * __int128(y3)};
    end_ = {2 * __int128(x4) - twiceCentreX_, twiceCentreY_ - 2 * __int128(y4)};
    // Radials in one direction, or one of them with no direction at all, give the whole ellipse.
    whole_ = Cross(start_, end_) == 0 && Dot(start_, end_) >= 0;
    if (start_.x == 0 && start_.y == 0) start_.x = 1;
}

bool ArcSelector::Contains(Coord x, Coord y) const
{
    if (whole_)
        return true;
    // Pixel centres sit half a pixel right of and below their integer coordinates.
    const Direction p{2 * __int128(x) + 1 - twiceCentreX_, twiceCentreY_ - 2 * __int128(y) - 1};
    return NotBeyond(start_, p, end_);
}

}  // namespace zeph::raster
