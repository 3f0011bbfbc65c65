// A gear asked for by name or by its offset from mid gear, and where it places the reverse arm on a design.
#pragma once

#include <optional>
#include <string>

#include "model/design/MechanismModel.h"

namespace zeph {

// The five gears a design is usually judged at, each a fixed offset from mid gear.
enum class NamedGear { Mid, Fwd, FwdMax, Rev, RevMax };

// One gear to analyse: a named gear, or an offset of the reverse arm from mid gear.
struct GearChoice {
    std::string label;  // "mid", "fwd", ... or "rev:" followed by the offset as typed
    std::optional<NamedGear> named;
    double offset = 0;  // used when not named
};

// A named gear from its name ("mid", "fwd", "fwdmax", "rev", "revmax"), or nullopt.
std::optional<NamedGear> GearByName(const std::string& name);

// The choice of a named gear, labelled with its name.
GearChoice ChoiceOf(NamedGear g);

// A gear placed on the design: where the reverse-arm top stands and which way the driver turns.
struct Gear {
    std::string label;
    float revArm = 0;
    bool forward = true;  // at or ahead of mid gear
};

// Places a gear on a design whose mid gear has been found: the offset is taken from the
// design's own reverse-arm centre and its Rev Arm to Cent Norm and Max.
Gear ResolveGear(const MechanismModel& m, const GearChoice& g);

}  // namespace zeph
