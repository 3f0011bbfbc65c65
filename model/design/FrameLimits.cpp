// The limits the frame's reverse-arm rows and the setup dialogs keep values within.
#include "model/design/FrameLimits.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/linkage/ViewTransform.h"

namespace zeph {

void ClampDiagramPositions(MechanismModel& m)
{
    const Real c = m.DiagramRevArmPos[0], n = m.Frame.RevArmNorm;
    const float low = static_cast<float>(c - n), high = static_cast<float>(c + n);
    for (int i = 1; i < DiagramRevArmEntries; ++i) {
        float& p = m.DiagramRevArmPos[static_cast<size_t>(i)];
        if (p == 0.0f) continue;  // not in use
        if (p < low) p = low;
        if (p > high) p = high;
    }
}

bool StoreReverseArmRow(MechanismModel& m, int row, float value)
{
    FrameDims& f = m.Frame;
    if (row == 25) {
        f.OffsetAngle = value;
    } else if (row == 26) {
        f.RevArmNorm = value;
        if (f.RevArmNorm > f.RevArmMax) {
            f.RevArmNorm = f.RevArmMax;
            ClampDiagramPositions(m);
        }
    } else if (row == 27) {
        f.RevArmMax = value;
        if (f.RevArmMax < f.RevArmNorm) {
            f.RevArmMax = f.RevArmNorm;
            ClampDiagramPositions(m);
        }
        return true;
    }
    return false;
}

ArmBarSpan ReverseArmBarSpan(const FrameDims& frame)
{
    const Real max = frame.RevArmMax;
    return {RoundInt(max * -1000), RoundInt(max * 1000)};
}

std::optional<Real> ReverseArmWithinTravel(const MechanismModel& m, double position)
{
    const Real c = m.RevArmCentre, x = m.Frame.RevArmMax;
    Real v = position;
    if (v < c - x) v = c - x;
    if (v > c + x) v = c + x;
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

double DriverAngleWithinTurn(double angle) { return std::clamp(angle, 0.0, 360.0); }
double StepAngleWithinRange(double step) { return std::clamp(step, 0.01, 45.0); }
double GraphicZoomWithinRange(double zoom) { return std::clamp(zoom, 0.5, 2000.0); }

double PositionBoxValue(double value)
{
    constexpr double FloatMax = std::numeric_limits<float>::max();
    return std::clamp(value, -FloatMax, FloatMax);
}

double ScaleBoxValue(double value)
{
    constexpr double Huge = std::numeric_limits<double>::max();
    return std::clamp(value, -Huge, Huge);
}

}  // namespace zeph
