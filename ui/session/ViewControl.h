// The view: the self-centring pan, zoom and reference-point bars, the presets, the reference points.
#pragma once

#include <array>

#include "model/design/MechanismModel.h"
#include "ui/session/BarRanges.h"
#include "ui/session/SessionController.h"

namespace zeph {

class ViewControl : SessionController {
public:
    using SessionController::SessionController;

    // A self-centring bar moved to a position; the session applies its step and the bar's
    // spring back to 0 (which the window then shows).
    void MoveViewBar(ViewBar bar, int position);
    void NormView();
    void ArmPreset();
    void RecallPreset(int n);
    void CentreOnReferencePoint(int point);
    void ZeroReferencePoint(int point);
    void ToggleReferencePoints();
    // The reference-points dialog: "OK" with both points, "Cancel", "Zero".
    void SetReferencePoints(float y1, float x1, float y2, float x2);
    void CancelReferencePoints();
    void ZeroReferencePoints();

    // For the other controllers: the reference points shown or hidden (hidden also hides the
    // pivot data), and a reference point put where the picture was pressed.
    void ShowReferencePoints(bool on);
    void PlaceReferencePoint(int point, float x, float y);

private:
    void ApplyViewBarStep(ViewBar bar, Real step);

    std::array<BarHistory, 7> viewBarHistories_{};
};

}  // namespace zeph
