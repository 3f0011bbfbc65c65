// Dynamic variables and undoing: the four most recently chosen dimensions, and the undo store's newest level restored.
#include "model/editing/DynVars.h"


namespace zeph {

namespace {

// Codes a dynamic variable or an undo level may change: frame rows 1..24, cylinder rows.
bool Steppable(int64_t code)
{
    return (code >= 1 && code <= 24) || (code >= 101 && code <= 117);
}

}  // namespace

void RegisterDynVar(MechanismModel& m)
{
    auto& slots = m.DynVarSlots;
    for (int s = 1; s <= 4; ++s) {
        if (slots[s].code == slots[0].code) {
            slots[s] = slots[0];
            return;
        }
    }
    for (int s = 4; s >= 2; --s) slots[s] = slots[s - 1];
    slots[1] = slots[0];
}

bool DynVarSlotInUse(const MechanismModel& m, int slot)
{
    return slot >= 1 && slot <= 4 && m.DynVarSlots[static_cast<size_t>(slot)].name != EmptySlotName();
}

void ClearDynVars(MechanismModel& m)
{
    for (DynVarSlot& slot : m.DynVarSlots) slot = {0, 0.0f, EmptySlotName()};
}

void StepSlot(MechanismModel& m, int slot)
{
    DynVarSlot& s = m.DynVarSlots[slot];
    s.value = static_cast<float>(Real(s.value) + m.DynVarStep);
    m.FrontCutoffText.clear();
    m.RearCutoffText.clear();
}

void ApplyDynVarStep(MechanismModel& m)
{
    const int s = m.DynVarSlotIndex;
    if (s < 1 || s > 4) return;
    const uint32_t code = m.DynVarSlots[s].code;
    if (!Steppable(code)) return;
    m.DynVarSlots[s].value = m.GetDim(static_cast<int>(code));
    StepSlot(m, s);
    m.SetDim(static_cast<int>(code), m.DynVarSlots[s].value);
}

bool UndoNewest(MechanismModel& m)
{
    const std::optional<UndoCommand> undone = m.Undo.Pop();
    if (!undone) return false;
    for (auto c = undone->changes.rbegin(); c != undone->changes.rend(); ++c)
        if (Steppable(c->code)) m.SetDim(c->code, c->oldValue);
    // Bring each slot back in line with its dimension: +1 then -1 in 32-bit floats.
    for (int s = 1; s <= 4; ++s) {
        m.DynVarSlotIndex = s;
        m.DynVarStep = 1.0f;
        ApplyDynVarStep(m);
        m.DynVarStep = -1.0f;
        ApplyDynVarStep(m);
    }
    return true;
}

}  // namespace zeph
