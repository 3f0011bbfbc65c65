// A change of one dimension by its code, and a design changed as the report's --set changes it.
#pragma once

#include <span>

#include "model/design/MechanismModel.h"

namespace zeph {

struct DimChange {
    int code = 0;
    float value = 0;
};

// Writes the changes in order (a later change of a code wins), then finds mid gear again, as
// opening a design and editing its dimensions do. Returns false when the changed design has no
// mid gear (the reverse-arm centre is not finite); the model then holds the changed values.
bool ApplyDimChanges(MechanismModel& m, std::span<const DimChange> changes);

}  // namespace zeph
