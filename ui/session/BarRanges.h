// The range and steps of each bar of the control strip, defined once for the session's state and the windows.
#pragma once

#include "ui/session/SliderState.h"

namespace zeph {

struct BarRange {
    int minimum;
    int maximum;
    int small;  // the arrow's step
    int large;  // the page step
};

constexpr BarRange DriverBarRange{-4000, 40000, 1000, 4500};  // hundredths of a degree
constexpr BarRange StepBarRange{0, 14613, 920, 2760};          // 4000 x log10(100 x step), 0.01 to 45 degrees
// Thousandths from mid gear; the ends follow the frame's reverse-arm travel once a design is set.
constexpr BarRange RevArmBarRange{0, 0, 1, 20};
// The self-centring bars: a bar springs back to 0 and its distance from 0 sets the rate of change.
constexpr BarRange DynVarBarRange{-200, 200, 1, 10};
constexpr BarRange PanBarRange{-500, 500, 1, 10};
constexpr BarRange ZoomBarRange{-200, 200, 1, 10};
constexpr BarRange RefVerticalBarRange{-5000, 5000, 1, 25};
constexpr BarRange RefHorizontalBarRange{-10000, 10000, 1, 25};

// One self-centring bar of the main window's view controls.
enum class ViewBar { PanVertical, PanHorizontal, Zoom, Ref1Vertical, Ref1Horizontal, Ref2Vertical, Ref2Horizontal };

constexpr BarRange RangeOf(ViewBar bar)
{
    switch (bar) {
    case ViewBar::PanVertical:
    case ViewBar::PanHorizontal: return PanBarRange;
    case ViewBar::Zoom: return ZoomBarRange;
    case ViewBar::Ref1Vertical:
    case ViewBar::Ref2Vertical: return RefVerticalBarRange;
    case ViewBar::Ref1Horizontal:
    case ViewBar::Ref2Horizontal: return RefHorizontalBarRange;
    }
    return PanBarRange;
}

// A bar's state over `range` at `value`.
constexpr SliderState SliderOf(const BarRange& range, int value)
{
    return {range.minimum, range.maximum, value, range.small, range.large};
}

}  // namespace zeph
