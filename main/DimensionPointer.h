// The dimension pointer: zooms onto one dimension, blinks a line along it and names it.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

#include "model/MechanismModel.h"
#include "platform/Canvas.h"

namespace zeph {

// What the pointer asks of the windows around it.
struct PointerHooks {
    std::function<void(bool frameDialog)> closeDialog;   // hide the owning dimension dialog
    std::function<void(bool frameDialog)> reopenDialog;  // show it again, modally
    std::function<void(bool busy)> setBusyCursor;        // hourglass on the main window
};

// The view and caption the pointer uses for one dimension code.
struct PointerView {
    float zoomK = 0;   // pixels per model unit at the default graphic zoom
    bool setsPan = false;
    float panX = 0, panY = 0;
    QString name;
};

// Ticks after which a pointer ends by itself, and the tick count a mouse press jumps to.
constexpr int32_t PointerLifeTicks = 1000;
constexpr int32_t PointerCancelTicks = 1005;

// View and caption for a frame (1..27) or cylinder (101..117) code; false for any other code.
bool PointerViewFor(int code, PointerView& out);

// The screen polyline marking the dimension of a code, from the pivots and outlines mapped
// earlier in the tick and, for points given in model units, the view now in force. Codes 26
// and 27 (the two-coloured reverse-arm bar) and unknown codes give an empty path.
std::vector<QPoint> PointerPath(const MechanismModel& m, int code);

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
    void Begin();
    void ShowDimension(Canvas& c, int code);
    void SetView(const PointerView& view);
    void DrawReverseArmBar(Canvas& c, int code);
    void Finish(Canvas& c);

    MechanismModel& m;
    PointerHooks hooks_;
    // True from the render that saved the user's view until the one that restored it.
    bool active_ = false;
};

}  // namespace zeph
