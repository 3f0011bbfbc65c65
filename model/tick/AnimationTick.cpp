// One tick of the animation, in the order the main window's timer runs it, free of any window.
#include "model/tick/AnimationTick.h"

#include "model/tick/CutoffTracking.h"
#include "model/tick/PointerSimulation.h"
#include "model/linkage/Solver.h"
#include "model/tick/SteamSimulation.h"
#include "model/linkage/ValveEvents.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

void SolveAndMap(MechanismModel& m)
{
    SolveLinkage(m);
    CalcPortOpenings(m);
    MapPivots(m);
}

void AdvanceDriverAngle(MechanismModel& m)
{
    Real angle = m.DriverAngle;
    angle += (m.Direction == RunDirection::Forward) ? Real(m.StepAngle) : -Real(m.StepAngle);
    m.DriverAngle = static_cast<float>(angle);
    if (Real(m.DriverAngle) > 360.1L) m.DriverAngle = static_cast<float>(Real(m.DriverAngle) - 360);
    if (m.DriverAngle < 0) m.DriverAngle = static_cast<float>(Real(m.DriverAngle) + 360);
}

void StepErrorIndicator(MechanismModel& m, TickEvents& events)
{
    if (!m.ScreenDataOn || !m.MechanismError) return;
    ++m.ErrorTicks;
    if (m.ErrorTicks < 10) events.errorIconVisible = true;
    if (m.ErrorTicks == 10) {
        events.errorIconVisible = false;
        events.Play("Error.wav");
    }
    if (m.ErrorTicks > 20) {
        m.ErrorTicks = 0;
        m.MechanismError = false;
    }
}

TickEvents UpdateTickState(MechanismModel& m)
{
    TickEvents events;
    TrackCutoffs(m);
    if (m.SteamDisplayOn) StepSteam(m, events);
    StepErrorIndicator(m, events);
    StepPointer(m, events);
    return events;
}

TickEvents SimulateTick(MechanismModel& m)
{
    SolveAndMap(m);
    TickEvents events = UpdateTickState(m);
    AdvanceDriverAngle(m);
    return events;
}

}  // namespace zeph
