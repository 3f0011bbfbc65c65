// The dimension pointer from tick to tick: its view, blink, life and the dialog it belongs to.
#pragma once

#include "model/design/MechanismModel.h"
#include "model/tick/TickEvents.h"

namespace zeph {

// Ticks after which a pointer ends by itself, and the tick count a mouse press jumps to.
constexpr int32_t PointerLifeTicks = 1000;
constexpr int32_t PointerCancelTicks = 1005;

// The view the pointer takes for a code (frame 1..27, cylinder 101..117) at the model's graphic
// zoom; false for any other code.
bool PointerViewOf(const MechanismModel& m, int code, ViewTriple& view);

// One tick of the pointer, only while GraphicDimCode is set: closes the dialog the code belongs
// to, saves the user's view on its first tick, blinks (red three ticks, black three), zooms and
// pans onto the dimension, and after 1000 ticks gives the user's view back, clears the code and
// asks for the dialog again. Records what the picture of this tick shows in m.Pointer.
void StepPointer(MechanismModel& m, TickEvents& events);

// A mouse press on the main window ends a pointer at the next tick.
void CancelPointer(MechanismModel& m);

}  // namespace zeph
