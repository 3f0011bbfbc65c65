// What a session command touched, so that each window refreshes only the widgets that show it.
#pragma once

#include <QFlags>

namespace zeph {

enum class Change : unsigned {
    Run = 1u << 0,         // running, driver angle and its bar, "0.0", "180"
    Step = 1u << 1,        // step angle, step bar and buttons
    Gear = 1u << 2,        // reverse arm, its bar and buttons
    View = 1u << 3,        // view, presets, reference points and their controls
    Display = 1u << 4,     // options and the switches of what is shown
    Dimensions = 1u << 5,  // any dimension, mid gear, the diagram list
    DynVars = 1u << 6,     // the dynamic-variable slots
    UndoStore = 1u << 7,   // the undo store and the "UnDo" buttons
    Overlay = 1u << 8,     // the lines dialog's choices and rows, the pivot-data slots
    All = 0xFFFFu,
};
Q_DECLARE_FLAGS(Changes, Change)

}  // namespace zeph

Q_DECLARE_OPERATORS_FOR_FLAGS(zeph::Changes)
