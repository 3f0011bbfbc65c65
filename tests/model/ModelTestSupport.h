// Shared helpers of the model tests: a started model, one solve, distances between pivots.
#pragma once

#include <cmath>
#include <vector>

#include "model/diagrams/DiagramPositions.h"
#include "model/design/MechanismModel.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ValveEvents.h"

namespace zeph::test {

inline MechanismModel StartedModel()
{
    MechanismModel m;
    m.StartUp();
    return m;
}

// Solves the linkage and the port openings at one angle and reverse-arm position.
inline void SolveAt(MechanismModel& m, float revArm, float angle)
{
    m.RevArmPosition = revArm;
    m.DriverAngle = angle;
    SolveLinkage(m);
    CalcPortOpenings(m);
}

inline double Dist(const Pivot& a, const Pivot& b)
{
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

inline float ForwardGear(const MechanismModel& m) { return m.RevArmCentre + m.Frame.RevArmNorm; }
inline float ForwardMaxGear(const MechanismModel& m) { return m.RevArmCentre + m.Frame.RevArmMax; }
inline float ReverseGear(const MechanismModel& m) { return m.RevArmCentre - m.Frame.RevArmNorm; }

// A started model whose diagram list has been tidied and counted, as the positions dialog
// leaves it before a diagram draws: mid gear, normal forward, normal reverse.
inline MechanismModel DiagramModel()
{
    MechanismModel m = StartedModel();
    TidyDiagramPositions(m);
    return m;
}

// Replaces the diagram list with the given positions and recounts it.
inline void SetDiagramList(MechanismModel& m, const std::vector<float>& positions)
{
    for (int k = 1; k <= MaxDiagramPositions; ++k)
        m.DiagramRevArmPos[k] = k <= int(positions.size()) ? positions[k - 1] : 0.0f;
    TidyDiagramPositions(m);
}

// The valve travel and valve-joint x of one solve, made independently of a diagram's sweep.
struct Solved {
    float travel, joint;
};
inline Solved SolveTravel(MechanismModel m, float revArm, float angle)
{
    m.RevArmPosition = revArm;
    m.DriverAngle = angle;
    SolveLinkage(m);
    return {m.Levels.ValveTravel, m.Pivots[ValveJoint].x};
}

}  // namespace zeph::test
