// The dimension pointer: zooms onto one dimension, blinks a line along it and names it.
#pragma once

#include <functional>

#include "model/MechanismModel.h"
#include "platform/Canvas.h"

namespace zeph {

// What the pointer asks of the windows around it.
struct PointerHooks {
    std::function<void(bool frameDialog)> closeDialog;   // hide the owning dimension dialog
    std::function<void(bool frameDialog)> reopenDialog;  // show it again, modally
    std::function<void(bool busy)> setBusyCursor;        // hourglass on the main window
};

class DimensionPointer {
public:
    explicit DimensionPointer(MechanismModel& model);

    void SetHooks(PointerHooks hooks) { hooks_ = std::move(hooks); }
    // The pointer step of the render: only while GraphicDimCode is set.
    void Draw(Canvas& c);
    // A mouse press on the main window ends a pointer at the next render.
    void MouseDown();

    int32_t PointerTicks = 0;
    int32_t BlinkTicks = 0;
    bool ReopenFrameDialog = false;

private:
    MechanismModel& m;
    PointerHooks hooks_;
};

}  // namespace zeph
