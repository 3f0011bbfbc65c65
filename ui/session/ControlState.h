// What the main window's controls show: the one state windows read to set their widgets.
#pragma once

#include <array>

#include "ui/session/BarRanges.h"
#include "ui/session/SliderState.h"

namespace zeph {

// The session owns it: windows read it to set their widgets and never keep state of their own
// in a widget or a caption.
struct ControlState {
    bool running = true;  // the "Run" button reads "Stop" while running

    SliderState driverBar = SliderOf(DriverBarRange, 1);
    bool driverBarEnabled = false;
    bool zeroEnabled = true;      // "0.0"
    bool halfTurnEnabled = true;  // "180"

    SliderState stepBar = SliderOf(StepBarRange, 12000);
    bool skipStepSnap = false;  // the step dialog's own move of the bar is not snapped
    bool step1Enabled = true, step10Enabled = false, step45Enabled = true;

    SliderState revArmBar = SliderOf(RevArmBarRange, 0);
    bool centreEnabled = false, forwardEnabled = true, reverseEnabled = true;

    bool normEnabled = false;
    bool presetArmed = false;  // "P" pressed: the next preset button stores the view
    std::array<bool, 2> refZeroEnabled{false, false};

    bool largeFont = false;
    bool panZoomShown = false;  // the pan and zoom bars shown while the screen data are off
    bool undoEnabled = false;   // every window's "UnDo" button
    bool errorIconShown = false;
    bool animationPaused = false;  // a diagram window has stopped the timer
    bool fastTimer = false;        // tick every millisecond instead of about 62 times a second
};

}  // namespace zeph
