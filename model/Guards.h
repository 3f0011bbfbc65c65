// Guards that bend impossible geometry into range and flag the mechanism error.
#pragma once

#include <cmath>

#include "model/MechanismModel.h"

namespace zeph {

// Raises MechanismError, but only while the error beep is on.
inline void RaiseMechanismError(MechanismModel& m)
{
    if (m.ErrorBeepOn) m.MechanismError = true;
}

// Keeps a divisor at least 0.00001 away from zero, keeping its sign (0 counts as positive).
inline Real GuardDivisor(MechanismModel& m, Real d)
{
    constexpr Real eps = 0.00001L;
    if (d >= 0 && d < eps) {
        d = eps;
        RaiseMechanismError(m);
    } else if (d < 0 && d > -eps) {
        d = -eps;
        RaiseMechanismError(m);
    }
    return d;
}

// Keeps a law-of-cosines quotient within +-0.999999.
inline Real ClampCos(MechanismModel& m, Real t)
{
    constexpr Real lim = 0.999999L;
    if (t > lim) {
        t = lim;
        RaiseMechanismError(m);
    } else if (t < -lim) {
        t = -lim;
        RaiseMechanismError(m);
    }
    return t;
}

// Turns a negative radicand positive so that a square root of a difference always exists.
inline Real AbsRadicand(MechanismModel& m, Real t)
{
    if (t < 0) {
        t = -t;
        RaiseMechanismError(m);
    }
    return t;
}

// Arcsine written as the arctangent the constructions are defined with.
inline Real AsinByAtan(Real t)
{
    return std::atan(t / std::sqrt(1 - t * t));
}

}  // namespace zeph
