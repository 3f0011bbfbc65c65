// A self-centring bar's change: the step of a move and of its spring back to 0, for the view and slot bars.
#pragma once

#include <algorithm>

#include "model/design/MechanismModel.h"
#include "model/linkage/ViewTransform.h"
#include "ui/session/BarRanges.h"

namespace zeph {

// What a position of a self-centring bar is worth, and its range and steps.
struct BarScale {
    Real divisor;
    BarRange range;
};

// Runs a self-centring bar's change for a move to `position` and then once more for its
// spring back to 0, as the bar itself raises it: `apply` gets each pass's step.
template <typename Apply>
void SelfCentre(MechanismModel& m, BarHistory& h, const BarScale& scale, int position, Apply apply)
{
    const int p = std::clamp(position, scale.range.minimum, scale.range.maximum);
    if (p == 0) return;  // a bar resting at 0 raises no change
    for (int pass : {p, 0}) {
        const Real step = BarStep(pass, h.last, h.secondLast, scale.divisor, scale.range.small, scale.range.large);
        m.DynVarStep = static_cast<float>(step);
        apply(step);
        h.secondLast = h.last;
        h.last = pass;
    }
}

}  // namespace zeph
