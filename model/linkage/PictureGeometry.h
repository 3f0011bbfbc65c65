// Where the picture lies in the main window's client area: its centre, the zone presses land in, centring the view.
#pragma once

#include "model/design/MechanismModel.h"

namespace zeph {

// The pixel the view zooms and centres about.
constexpr int PictureCentreX = 320;
constexpr int PictureCentreY = 240;

// A press at client pixel (x, y) lands on the picture: below the control strip, or right of the
// reference-point controls beside its lower rows.
constexpr bool PressInPicture(int x, int y) { return y > 120 || (y >= 68 && x > 247); }

// The pan bars' positions that follow a view centred on a model point.
struct PanBarNudge {
    int horizontal = 0, vertical = 0;
};

// Pans the view so that model point (x, y) lies at the picture's centre, and returns how far
// the pan bars are then to move: the amount the home view implies, which pans once more by the
// bars' own rule.
PanBarNudge CentreViewOn(MechanismModel& m, float x, float y);

}  // namespace zeph
