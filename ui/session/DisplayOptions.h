// The display options: nine switches of what is shown and how, each one row of a table.
#pragma once

#include "ui/session/SessionController.h"

namespace zeph {

enum class DisplayOption {
    SteamDisplay,
    ErrorBeep,
    WideLines,   // line width 2 instead of 1
    LargeFont,
    ScreenData,  // the readouts and most controls
    PanZoomBars,
    DynVars,     // the dynamic-variable block
    UndoLine,
    FastTimer,
};

class DisplayOptions : SessionController {
public:
    using SessionController::SessionController;

    bool IsOn(DisplayOption option) const;
    void Toggle(DisplayOption option);

private:
    // Switching the screen data off hides the warning icon with the readouts.
    void ScreenDataSwitched();
};

}  // namespace zeph
