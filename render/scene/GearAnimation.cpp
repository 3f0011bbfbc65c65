// The animation's frames: the window's tick and picture, repeated on a copy of the model.
#include "render/scene/GearAnimation.h"

#include <algorithm>
#include <cmath>

#include "model/linkage/Guards.h"
#include "model/tick/AnimationTick.h"
#include "render/scene/ScenePainter.h"

namespace zeph {

namespace {

// The settings' size, within the scene.
QSize FrameSizeOf(const AnimationSettings& s)
{
    return s.size.boundedTo(QSize(ScenePainter::Width, ScenePainter::Height)).expandedTo(QSize(1, 1));
}

// The step within the limits; one that is not a number counts as the finest.
float AnimationStep(float step)
{
    return step >= MinAnimationStep ? std::min(step, MaxAnimationStep) : MinAnimationStep;
}

}  // namespace

int AnimationFrameCount(float step)
{
    return std::max(1, static_cast<int>(std::lround(360.0 / AnimationStep(step))));
}

AnimationRun AnimateGear(const MechanismModel& m, const AnimationSettings& settings,
                         const std::function<void(const QImage&)>& sink, const AnalysisControl& control)
{
    MechanismModel copy = m;
    copy.StepAngle = AnimationStep(settings.step);
    const int frames = AnimationFrameCount(settings.step);
    const QSize size = FrameSizeOf(settings);
    ScenePainter painter;
    painter.SetSteamSeed(settings.steamSeed);
    QImage scene;
    AnimationRun run;
    for (int tick = 0; tick < 2 * frames; ++tick) {
        if (control.CancelRequested()) {
            run.cancelled = true;
            break;
        }
        SimulateTick(copy);
        if (painter.Paint(scene, copy, settings.textScale)) RaiseMechanismError(copy);
        if (tick >= frames) {
            sink(scene.copy(QRect(QPoint(0, 0), size)));
            ++run.frames;
            run.mechanismError = run.mechanismError || copy.MechanismError;
        }
        if (control.progress) control.progress({tick + 1L, 2L * frames});
    }
    return run;
}

AnimationGif MakeAnimationGif(const MechanismModel& m, const AnimationSettings& settings, const AnalysisControl& control)
{
    AnimationGif out{GifEncoder(FrameSizeOf(settings), AnimationFrameDelay), {}};
    out.run = AnimateGear(m, settings, [&out](const QImage& frame) { out.gif.AddFrame(frame); }, control);
    return out;
}

}  // namespace zeph
