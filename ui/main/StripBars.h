// The bars of the main window's control strip: one row each with its place, tool tip, range and steps.
#pragma once

#include <QRect>

#include "ui/session/BarRanges.h"

namespace zeph {

struct StripBar {
    const char* name;  // object name
    const char* hint;  // tool tip
    QRect place;
    BarRange range;
};

// The row of the bar of object name `name`; every bar of the strip has one.
const StripBar& StripBarNamed(const char* name);

}  // namespace zeph
