// The linkage solver: places every moving pivot for the current driver angle and gear.
#pragma once

#include "model/design/MechanismModel.h"

namespace zeph {

// Solves pivots 2..5, 8..11, 13..15 and 18 for DriverAngle and RevArmPosition, sets
// AuxRodDiag and RadHangerAngle, then the valve-event levels. Never fails: impossible
// constructions are bent into range by the guards, which flag MechanismError; a solve that
// still yields a value that is not a number (dimensions near the float limit or not numbers
// themselves) flags it too.
void SolveLinkage(MechanismModel& m);

// The valve-event thresholds and joint-referred bases from the cylinder dimensions and
// the current valve joint x.
void CalcEventLevels(MechanismModel& m);

// Cosine and sine of one angle.
struct CosSin {
    Real c, s;
};

// Cosine and sine of a driver angle in degrees. The last angle's pair is kept, so the port
// openings that follow a solve at the same angle do not compute it again.
CosSin DriverAngleCosSin(float driverAngleDeg);

}  // namespace zeph
