// Applies dimension changes and finds mid gear of the changed design.
#include "model/analysis/DimChange.h"

#include <cmath>

namespace zeph {

bool ApplyDimChanges(MechanismModel& m, std::span<const DimChange> changes)
{
    for (const DimChange& c : changes) m.SetDim(c.code, c.value);
    m.CalcMidGear();
    return std::isfinite(m.RevArmCentre);
}

}  // namespace zeph
