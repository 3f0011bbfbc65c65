// Names of the standard gears and the reverse-arm position each gear stands at.
#include "model/analysis/GearChoice.h"

#include <array>

#include "model/core/Real.h"

namespace zeph {

namespace {

struct GearName {
    NamedGear gear;
    const char* name;
};

constexpr std::array<GearName, 5> kGearNames = {{
    {NamedGear::Mid, "mid"},
    {NamedGear::Fwd, "fwd"},
    {NamedGear::FwdMax, "fwdmax"},
    {NamedGear::Rev, "rev"},
    {NamedGear::RevMax, "revmax"},
}};

float OffsetFromMid(const MechanismModel& m, const GearChoice& g)
{
    if (!g.named) return static_cast<float>(g.offset);
    switch (*g.named) {
    case NamedGear::Mid: return 0.0f;
    case NamedGear::Fwd: return m.Frame.RevArmNorm;
    case NamedGear::FwdMax: return m.Frame.RevArmMax;
    case NamedGear::Rev: return -m.Frame.RevArmNorm;
    case NamedGear::RevMax: return -m.Frame.RevArmMax;
    }
    return 0.0f;
}

}  // namespace

std::optional<NamedGear> GearByName(const std::string& name)
{
    for (const GearName& g : kGearNames)
        if (name == g.name) return g.gear;
    return std::nullopt;
}

GearChoice ChoiceOf(NamedGear g)
{
    for (const GearName& n : kGearNames)
        if (n.gear == g) return {n.name, g, 0};
    return {};
}

Gear ResolveGear(const MechanismModel& m, const GearChoice& g)
{
    const float revArm = static_cast<float>(Real(m.RevArmCentre) + OffsetFromMid(m, g));
    return {g.label, revArm, revArm >= m.RevArmCentre};
}

}  // namespace zeph
