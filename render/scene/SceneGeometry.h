// Screen points of the pivots and the cylinder-section outlines, mapped with the tick's view.
#pragma once

#include <array>
#include <cstdint>

#include "model/design/MechanismModel.h"

namespace zeph {

struct ScreenPt {
    int32_t x = 0, y = 0;
};

// Screen outlines of the cylinder section, mapped from the dimensions for each picture.
// CO: start point S then points 0..12; PI: inner passage edges; PO: piston corners, the
// piston-rod end and the valve-stem end; VR, VF: the rear and front valve heads.
struct ScreenOutlines {
    ScreenPt S;
    std::array<ScreenPt, 13> CO{};
    std::array<ScreenPt, 4> PI{};
    std::array<ScreenPt, 6> PO{};
    std::array<ScreenPt, 4> VR{}, VF{};
};

// The pixels one picture of the mechanism is drawn at.
struct SceneGeometry {
    std::array<ScreenPt, PivotCount> pivots{};
    ScreenOutlines outlines;
};

// Every pivot and outline point mapped with the view the model's tick recorded (MappedView).
SceneGeometry MapScene(const MechanismModel& m);

}  // namespace zeph
