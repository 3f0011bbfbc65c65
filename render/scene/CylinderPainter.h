// Painting of the cylinder section with piston and valve, and of the steam in it as phase-coloured dots.
#pragma once

#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "platform/Random.h"
#include "render/scene/SceneGeometry.h"

namespace zeph {

// Gray cylinder and passage outline, black piston, piston rod, valve stem and heads.
void DrawCylinderOutline(Canvas& c, const SceneGeometry& g);

// The steam of this tick as the animation left it: live steam, each cylinder end's dots in its
// phase colour and count, the exhaust spaces (blue while exhausting, white otherwise) and,
// with the screen data, the phase legend. The dots are scattered by `rnd` as the caller seeded it.
void DrawSteam(Canvas& c, const MechanismModel& m, const SceneGeometry& g, Random& rnd);

// The canvas colour of a steam phase colour.
TColor ToColour(SteamColour colour);

}  // namespace zeph
