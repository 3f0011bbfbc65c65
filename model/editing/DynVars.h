// Dynamic variables and undoing: the four most recently chosen dimensions, and the undo store's newest level restored.
#pragma once

#include "model/design/MechanismModel.h"

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

// Takes the newest level off the undo store and restores each of its dimensions to its old
// value, the last change first; then each slot is brought back in line with its dimension.
// Returns whether a level was undone.
bool UndoNewest(MechanismModel& m);

}  // namespace zeph
