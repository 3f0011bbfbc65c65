// Model-to-screen mapping, the zoom step, the self-centring bar rule and the steam passage heights.
#pragma once

#include <array>
#include <cstdint>

#include "model/design/MechanismModel.h"

namespace zeph {

// The zoom range the view controls keep to, pixels per model unit.
constexpr Real MinViewScale = 0.5L;
constexpr Real MaxViewScale = 3000;

// Nearest integer with ties to even; NaN and values beyond +-1e6 pixels are pinned so that
// a broken linkage can never reach an undefined integer conversion.
int32_t RoundPixel(Real v);
// Nearest integer with ties to even for bar positions and counts; NaN gives 0.
int32_t RoundInt(Real v);

// Screen pixel of a model coordinate with a view, or with the model's current view.
int32_t ScreenX(const ViewTriple& v, Real x);
int32_t ScreenY(const ViewTriple& v, Real y);
int32_t ScreenX(const MechanismModel& m, Real x);
int32_t ScreenY(const MechanismModel& m, Real y);

// The view now in force, and setting it.
ViewTriple CurrentView(const MechanismModel& m);
void SetView(MechanismModel& m, const ViewTriple& v);

// Records the current view as the one this tick's picture is drawn with (MappedView).
void MapPivots(MechanismModel& m);

// Pixel heights, with the recorded view, of the steam passage (valve-bore floor down to the
// cylinder-bore top) and of the valve chamber (its roof down to its floor).
int32_t PassageHeight(const MechanismModel& m);
int32_t ChamberHeight(const MechanismModel& m);

// The step a self-centring bar applies for a change to position p, given its last and
// second-to-last positions, its divisor k and its small and large steps.
Real BarStep(int32_t p, int32_t last, int32_t secondLast, Real k, int32_t small, int32_t large);

// Zooms by d per cent about pixel (320, 240), clamping the scale to 0.5 .. 3000.
void ApplyZoomStep(MechanismModel& m, Real d);

}  // namespace zeph
