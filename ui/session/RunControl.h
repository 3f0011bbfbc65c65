// Running the animation: the tick, run and stop, the driver-angle and step bars with the step snapping.
#pragma once

#include "ui/session/SessionController.h"

namespace zeph {

struct TickEvents;

class RunControl : SessionController {
public:
    using SessionController::SessionController;

    // One timer tick: the model's tick, its sounds played, its icon and pointer events signalled.
    void Tick();
    // The picture left a figure blank that it could not show: the warning follows from the next
    // tick, as for a linkage that cannot close (only while the error beep is on).
    void FigureNotShown();
    void MainWindowActivated();
    // Diagram windows stop the animation while they are open.
    void PauseAnimation(bool paused);

    void ToggleRun();
    void MoveDriverBar(int position);
    void StopAtZero();
    void StopAtHalfTurn();
    void ChooseStep(float step);  // the 1.0, 10.0 and 45.0 buttons
    void MoveStepBar(int position);
    // The driver-angle dialog: stops the driver at the angle, kept within 0..360.
    void SetDriverAngle(double angle);
    // The step dialog: any step within 0.01..45 without snapping, the run state kept.
    void SetStepAngle(double step);

private:
    void Events(const TickEvents& events);
    // The two run states and what entering each does to the driver bar and the step.
    void Halt();
    void Resume();
    void Stop(float angle);
    void SetDriverBarValue(int value);
    void OnDriverBarChanged();
    void SetStepBarValue(int value);
    void OnStepBarChanged();
    void SetStepButtons();
};

}  // namespace zeph
