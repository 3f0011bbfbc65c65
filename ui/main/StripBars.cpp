// The bars of the main window's control strip: one row each with its place, tool tip, range and steps.
#include "ui/main/StripBars.h"

#include <cstring>
#include <stdexcept>

#include "ui/widgets/DynVarBars.h"

namespace zeph {

namespace {

const StripBar kBars[] = {
    {"reverseArmBar", "Set Reverse Arm Between Max & Min", {336, 26, 121, 12}, RevArmBarRange},
    {"driverAngleBar", "Set Driver Angle From 0 to 360 Deg", {336, 40, 121, 12}, DriverBarRange},
    {"stepAngleBar", "Set Driver Step Angle to Predefined Values", {336, 54, 121, 12}, StepBarRange},
    {"dynVarBar1", DynVarBarHints[0], {253, 72, 121, 10}, DynVarBarRange},
    {"dynVarBar2", DynVarBarHints[1], {253, 84, 121, 10}, DynVarBarRange},
    {"dynVarBar3", DynVarBarHints[2], {253, 96, 121, 10}, DynVarBarRange},
    {"dynVarBar4", DynVarBarHints[3], {253, 108, 121, 10}, DynVarBarRange},
    {"panVerticalBar", "Pan Vertical", {76, 26, 121, 12}, RangeOf(ViewBar::PanVertical)},
    {"panHorizontalBar", "Pan Horizontal", {76, 40, 121, 12}, RangeOf(ViewBar::PanHorizontal)},
    {"zoomBar", "Zoom In / Out", {76, 54, 121, 12}, RangeOf(ViewBar::Zoom)},
    {"ref1VerticalBar", "Change Ref Point 1 Vert", {20, 72, 121, 10}, RangeOf(ViewBar::Ref1Vertical)},
    {"ref1HorizontalBar", "Change Ref Point 1 Horz", {20, 84, 121, 10}, RangeOf(ViewBar::Ref1Horizontal)},
    {"ref2VerticalBar", "Change Ref Point 2 Vert", {20, 96, 121, 10}, RangeOf(ViewBar::Ref2Vertical)},
    {"ref2HorizontalBar", "Change Ref Point 2 Horz", {20, 108, 121, 10}, RangeOf(ViewBar::Ref2Horizontal)},
};

}  // namespace

const StripBar& StripBarNamed(const char* name)
{
    for (const StripBar& bar : kBars)
        if (std::strcmp(bar.name, name) == 0) return bar;
    throw std::invalid_argument(name);
}

}  // namespace zeph
