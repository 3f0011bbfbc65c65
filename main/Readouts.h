// Window captions, the numeric readouts, the error indicator, cut-offs and the panels' texts.
#pragma once

#include <QString>
#include <functional>

#include "model/MechanismModel.h"
#include "platform/Canvas.h"
#include "platform/Sound.h"

namespace zeph {

// What the readouts change outside the picture.
struct ReadoutHooks {
    std::function<void(const QString& caption)> setMainCaption;
    std::function<void(bool visible)> showErrorIcon;
    // The undo button: shown or hidden, and its top (scaled) when shown.
    std::function<void(bool visible, int top)> placeUndoButton;
    // Enables the main window's dynamic-variable bar of a slot (1..4).
    std::function<void(int slot, bool enabled)> enableDynVarBar;
};

class Readouts {
public:
    Readouts(MechanismModel& model, SoundSink& sound);

    void SetHooks(ReadoutHooks hooks) { hooks_ = std::move(hooks); }
    // Step 3 of the render: every window's caption, whether or not the screen data are on.
    void DrawCaptions();
    // Step 10 of the render: everything drawn on the picture while the screen data are on.
    void DrawReadouts(Canvas& c);

    int32_t ErrorTicks = 0;
    int32_t FrontCutoffTicks = 0;
    int32_t RearCutoffTicks = 0;
    float PrevPistonTravel = 0;

private:
    MechanismModel& m;
    SoundSink& sound_;
    ReadoutHooks hooks_;
};

}  // namespace zeph
