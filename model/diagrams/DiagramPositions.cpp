// The diagram position list: clamping, tidying, counting and the values typed into its boxes.
#include "model/diagrams/DiagramPositions.h"

#include <algorithm>
#include <cmath>

#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

constexpr Real DefaultDrawScale = 1.5L;

}  // namespace

float ClampToRevArmRange(const MechanismModel& m, float value)
{
    if (value == 0.0f) return value;
    const float lower = static_cast<float>(Real(m.RevArmCentre) - m.Frame.RevArmMax);
    const float upper = static_cast<float>(Real(m.RevArmCentre) + m.Frame.RevArmMax);
    if (value < lower) value = lower;
    if (value > upper) value = upper;
    return value;
}

int TidyDiagramPositions(MechanismModel& m)
{
    auto& list = m.DiagramRevArmPos;
    int count = 0;
    bool ended = false;
    for (int k = 1; k <= MaxDiagramPositions; ++k) {
        if (ended || !std::isfinite(list[k]) || list[k] == 0.0f) {
            list[k] = 0.0f;
            ended = true;
        } else {
            count = k;
        }
    }
    m.DiagramRevArmCount = count;
    return count;
}

int VisiblePositionBoxes(const MechanismModel& m)
{
    return std::min(std::clamp(m.DiagramRevArmCount, 0, MaxDiagramPositions) + 1, MaxDiagramPositions);
}

bool StoreTypedPosition(MechanismModel& m, int box, double value)
{
    if (box < 1 || box > MaxDiagramPositions) return false;
    float v = static_cast<float>(value);
    if (!std::isfinite(v)) return false;
    if (box == 1 && v == 0.0f) v = 0.001f;
    v = ClampToRevArmRange(m, v);
    if (!std::isfinite(v)) return false;
    m.DiagramRevArmPos[box] = v;
    return true;
}

bool StoreTypedVScale(MechanismModel& m, double value)
{
    if (!std::isfinite(value)) return false;
    m.DiagramVScale = static_cast<float>(std::clamp<double>(value, MinDiagramVScale, MaxDiagramVScale));
    return true;
}

Real DiagramDrawScale(const MechanismModel& m)
{
    const Real s = m.DiagramVScale;
    if (!std::isfinite(s)) return DefaultDrawScale;
    return std::clamp<Real>(s, MinDiagramVScale, MaxDiagramVScale);
}


RevArmSide SideOf(const MechanismModel& m, float position)
{
    if (position == m.RevArmCentre) return RevArmSide::Centre;
    return position > m.RevArmCentre ? RevArmSide::Forward : RevArmSide::Reverse;
}

std::vector<ListEntry> DiagramListEntries(const MechanismModel& m)
{
    const int count = std::clamp(m.DiagramRevArmCount, 0, MaxDiagramPositions);
    std::vector<ListEntry> list;
    for (int k = 1; k <= count; ++k) list.push_back({k, m.DiagramRevArmPos[k], SideOf(m, m.DiagramRevArmPos[k])});
    return list;
}

const char* SideText(RevArmSide side)
{
    switch (side) {
    case RevArmSide::Centre: return "Cen";
    case RevArmSide::Forward: return "Fwd";
    case RevArmSide::Reverse: return "Rev";
    }
    return "";
}

void StepDriverAngle(MechanismModel& m, Real step)
{
    Real a = Real(m.DriverAngle) + step;
    while (a > 360) a -= 360;
    while (a < 0) a += 360;
    m.DriverAngle = static_cast<float>(a);
}

}  // namespace zeph
