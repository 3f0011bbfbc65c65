// Guards that bend impossible geometry into range and flag the mechanism error.
#pragma once

#include <array>
#include <bit>
#include <cmath>

#include "model/design/MechanismModel.h"

namespace zeph {

// Raises MechanismError, but only while the error beep is on.
inline void RaiseMechanismError(MechanismModel& m)
{
    if (m.ErrorBeepOn) m.MechanismError = true;
}

// Each guard comes in two forms: one notes in `bent` that it had to bend the value (for a
// construction that raises the error once, when it is complete), the other raises the error
// at once.

// Keeps a divisor at least 0.00001 away from zero, keeping its sign (0 counts as positive).
inline Real GuardDivisor(bool& bent, Real d)
{
    constexpr Real eps = 0.00001L;
    if (d >= 0 && d < eps) {
        bent = true;
        return eps;
    }
    if (d < 0 && d > -eps) {
        bent = true;
        return -eps;
    }
    return d;
}

// Keeps a law-of-cosines quotient within +-0.999999.
inline Real ClampCos(bool& bent, Real t)
{
    constexpr Real lim = 0.999999L;
    if (t > lim) {
        bent = true;
        return lim;
    }
    if (t < -lim) {
        bent = true;
        return -lim;
    }
    return t;
}

// Turns a negative radicand positive so that a square root of a difference always exists.
inline Real AbsRadicand(bool& bent, Real t)
{
    if (t < 0) {
        bent = true;
        return -t;
    }
    return t;
}

// Applies a guard and raises the error at once if it bent the value.
inline Real GuardNow(MechanismModel& m, Real (*guard)(bool&, Real), Real v)
{
    bool bent = false;
    v = guard(bent, v);
    if (bent) RaiseMechanismError(m);
    return v;
}

inline Real GuardDivisor(MechanismModel& m, Real d) { return GuardNow(m, GuardDivisor, d); }
inline Real ClampCos(MechanismModel& m, Real t) { return GuardNow(m, ClampCos, t); }
inline Real AbsRadicand(MechanismModel& m, Real t) { return GuardNow(m, AbsRadicand, t); }

// Whether every value of a record made only of floats (event levels, port state) is a number;
// one that is not means a construction ran past the float range or was given such a value.
template <class FloatRecord>
bool AllFinite(const FloatRecord& r)
{
    static_assert(sizeof(FloatRecord) % sizeof(float) == 0);
    for (float v : std::bit_cast<std::array<float, sizeof(FloatRecord) / sizeof(float)>>(r))
        if (!std::isfinite(v)) return false;
    return true;
}

// Arcsine written as the arctangent the constructions are defined with.
inline Real AsinByAtan(Real t)
{
    return std::atan(t / std::sqrt(1 - t * t));
}

}  // namespace zeph
