// The state of a scroll bar held by the session: range, position and steps, with a bar's own clamping rules.
#pragma once

#include <algorithm>

namespace zeph {

// The window's bar shows this state; the session changes it and runs the bar's change handling
// whenever the position really moves, as a bar raises its change notification only then.
struct SliderState {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    int singleStep = 1;
    int pageStep = 10;

    // Sets the position within the range; true when it moved.
    bool SetValue(int v)
    {
        const int clamped = std::clamp(v, minimum, std::max(minimum, maximum));
        if (clamped == value) return false;
        value = clamped;
        return true;
    }
    // A new maximum pulls the minimum down to it if needed; the position follows into range.
    bool SetMaximum(int max)
    {
        maximum = max;
        minimum = std::min(minimum, max);
        return SetValue(value);
    }
    // A new minimum pushes the maximum up to it if needed; the position follows into range.
    bool SetMinimum(int min)
    {
        minimum = min;
        maximum = std::max(maximum, min);
        return SetValue(value);
    }
};

}  // namespace zeph
