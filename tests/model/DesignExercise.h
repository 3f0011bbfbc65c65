// What the program does with a design it has opened, short of painting it; shared by the corpus test and the fuzzer.
#pragma once

#include "model/design/MechanismModel.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"
#include "model/linkage/ViewTransform.h"

namespace zeph::test {

// Hook for the scene painter: called after every solve with the model as a tick leaves it,
// so that painting an opened design can be exercised over the same files once the painter
// exists. Null: nothing is painted.
using DesignPainter = void (*)(MechanismModel& m);

// Runs the model's part of the main loop's tick over the opened design: the linkage and the
// port openings at the four quarter angles of the driver in mid gear, normal and full forward
// and normal reverse; in each gear the last solve is mapped to the screen with the cylinder
// outlines and painted. Every step is closed-form, so this ends whatever the design holds; the test's
// time limit is the check that it does.
inline void ExerciseOpenedDesign(MechanismModel& m, DesignPainter paint = nullptr)
{
    const Real centre = m.RevArmCentre;
    for (const Real offset : {Real(0), Real(m.Frame.RevArmNorm), Real(m.Frame.RevArmMax), -Real(m.Frame.RevArmNorm)}) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            m.RevArmPosition = static_cast<float>(centre + offset);
            m.DriverAngle = 90.0f * quarter;
            SolveLinkage(m);
            CalcPortOpenings(m);
        }
        MapPivots(m);
        if (paint) paint(m);
    }
}

}  // namespace zeph::test
