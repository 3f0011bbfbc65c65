// The gear: the reverse arm, its bar and range, the full-gear and centre buttons, mid gear.
#pragma once

#include "ui/session/SessionController.h"

namespace zeph {

class GearControl : SessionController {
public:
    using SessionController::SessionController;

    void MoveReverseArmBar(int position);
    void CentreReverseArm();
    void NormalForward();
    void NormalReverse();
    void CalcMidGearAndCentre();
    // The reverse-arm dialog: a position kept within mid gear +- the maximum.
    void SetReverseArm(double position);

    // For the session and the other controllers. The bar spans the frame's reverse-arm travel:
    // at start-up it is set as it stands, later its change handling follows a moved position.
    void SetInitialBarRange();
    void SetBarRange();
    // The arm at the mid gear just computed: the bar's change handling runs even when the bar
    // already stands at 0, so the gear buttons and cut-offs follow.
    void ReturnToMidGear();
    // The cut-off readouts start again after any change of the gear.
    void EmptyCutoffTexts();

private:
    void SetBarValue(int value);
    void OnBarChanged();
    void SetButtons();
};

}  // namespace zeph
