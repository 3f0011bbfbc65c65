// Dynamic variables and the undo store: the four most recently chosen dimensions and 20 changes.
#pragma once

#include <functional>

#include "model/MechanismModel.h"

namespace zeph {

// Makes the dimension in slot 0 the most recently chosen one: a dimension already in slots
// 1..4 has its value and name refreshed in place, a new one enters slot 1 and pushes the
// others down, the one in slot 4 dropping out.
void RegisterDynVar(MechanismModel& m);
// Slot 1..4 holds a dimension (its bar has something to change).
bool DynVarSlotInUse(const MechanismModel& m, int slot);
// Empties slots 0..4.
void ClearDynVars(MechanismModel& m);
// Adds DynVarStep to the slot DynVarSlotIndex and writes it into its dimension (keeping pivot
// copies and the valve centre-line height); empties the cut-off texts. Codes without a
// steppable dimension are ignored. Neither solves nor recomputes mid gear.
void ApplyDynVarStep(MechanismModel& m);
// The inner step: slot value += DynVarStep, cut-off texts emptied.
void StepSlot(MechanismModel& m, int slot);

// What a window does with its "UnDo" buttons when the store opens or empties.
using UndoButtonsSink = std::function<void(bool enabled)>;

// Opens a new newest level (entry 1, a copy of entry 0 until the caller fills it), but only
// while DimEditTyped is set; the oldest of 20 levels drops out.
void PushUndo(MechanismModel& m, const UndoButtonsSink& buttons = {});
// Pops the newest level, restores its dimension to the old value and re-syncs the slots.
void UndoLast(MechanismModel& m, const UndoButtonsSink& buttons = {});
// Empties every level.
void ClearUndo(MechanismModel& m, const UndoButtonsSink& buttons = {});

}  // namespace zeph
