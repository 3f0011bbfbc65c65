// Cut-off percentages measured as the animation runs: where each steam port closed, and how long it shows.
#include "model/tick/CutoffTracking.h"

#include <cmath>

#include "model/core/FixedText.h"
#include "model/linkage/Guards.h"
#include "model/linkage/ValveEvents.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

// Ticks a new value stays on screen: about one turn of the driver at the current step.
int32_t ShowTicks(const MechanismModel& m)
{
    return RoundInt(400 / (Real(m.StepAngle) + 0.1L));
}

// Draws the value this tick if it is still to be shown, counting its ticks down.
bool ShowValue(bool labelsShown, int32_t& ticks)
{
    if (!labelsShown || ticks <= 0) return false;
    --ticks;
    return true;
}

float FiniteOrZero(float v) { return std::isfinite(v) ? v : 0.0f; }

// A cut-off's text, left blank with the mechanism warning when the percentage cannot show.
std::string CutoffText(MechanismModel& m, Real percent)
{
    if (!FigureFits(double(percent), 4, 1)) RaiseMechanismError(m);
    return FigureText(double(percent), 4, 1);
}

}  // namespace

std::optional<Real> CutoffCrossing(Real prevOpening, Real opening, Real prevPiston, Real piston)
{
    if (!(prevOpening > 0 && (opening < 0 || std::isnan(opening)))) return std::nullopt;
    return CrossingPiston(prevOpening, opening, prevPiston, piston);
}

void TrackCutoffs(MechanismModel& m)
{
    CutoffState& c = m.Cutoff;
    c.LabelsShown = c.FrontValueShown = c.RearValueShown = false;
    if (!m.ScreenDataOn) return;
    c.LabelsShown = m.StepAngle != 0 && m.StepAngle < 23;
    const Real now = m.Ports.PistonTravel;
    // A front cut-off found this tick stands in for the previous piston position of the rear.
    float prevPiston = c.PrevPistonTravel;
    if (const auto p = CutoffCrossing(m.PrevFrontSteamOpening, m.Ports.FrontSteamOpening, prevPiston, now)) {
        c.FrontTicks = ShowTicks(m);
        m.FrontCutoffText = CutoffText(m, FrontPercent(*p));
        prevPiston = static_cast<float>(*p);
    }
    c.FrontValueShown = ShowValue(c.LabelsShown, c.FrontTicks);
    if (const auto p = CutoffCrossing(m.PrevRearSteamOpening, m.Ports.RearSteamOpening, prevPiston, now)) {
        c.RearTicks = ShowTicks(m);
        m.RearCutoffText = CutoffText(m, RearPercent(*p));
    }
    c.RearValueShown = ShowValue(c.LabelsShown, c.RearTicks);
    // Kept for the next tick; a reading that is not a number is kept as closed.
    c.PrevPistonTravel = FiniteOrZero(m.Ports.PistonTravel);
    m.PrevFrontSteamOpening = FiniteOrZero(m.Ports.FrontSteamOpening);
    m.PrevRearSteamOpening = FiniteOrZero(m.Ports.RearSteamOpening);
}

}  // namespace zeph
