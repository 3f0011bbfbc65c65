// One driver turn of the main window's picture, frame by frame, made from a copy of the model.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <functional>

#include "model/analysis/AnalysisControl.h"
#include "model/design/MechanismModel.h"
#include "platform/GifFile.h"
#include "render/text/TextScale.h"

namespace zeph {

struct AnimationSettings {
    float step = 10.0f;       // degrees the driver turns from one frame to the next
    QSize size{632, 380};     // the part of the 1280 x 1024 scene shown, from its top-left corner
    TextScale textScale{};    // the window's font choice
    uint64_t steamSeed = 1;   // every frame scatters its steam dots from this seed
};

// The steps an animation takes: finer would mean thousands of frames, coarser fewer than two.
constexpr float MinAnimationStep = 1.0f, MaxAnimationStep = 180.0f;

// How long a frame stands in the GIF, hundredths of a second: near the window's 16 ms tick,
// and the shortest delay viewers keep (they slow 0 and 1 down to a tenth of a second).
constexpr int AnimationFrameDelay = 2;

// Frames in one turn at `step` (within the limits above): 360 / step, rounded.
int AnimationFrameCount(float step);

struct AnimationRun {
    int frames = 0;               // handed to the sink
    bool cancelled = false;       // stopped before the last frame
    bool mechanismError = false;  // the mechanism warning was up in a recorded frame
};

// Turns a copy of `m` through two driver turns at the settings' step, tick by tick as the
// main window runs them (SimulateTick, then ScenePainter, a figure left blank raising the
// mechanism warning as the window does), in the gear's running direction whether the window's
// driver runs or stands. The first turn is not recorded: it fills the cut-off readouts and,
// with the steam display on, settles the steam, so that the second turn, handed to `sink` one
// frame per tick, loops without a seam (a step that does not divide 360 leaves a small jump).
// Frame k (from 0) is what the window shows after tick k + 1 of that turn. The steam dots come
// from the fixed seed, so the same model and settings give the same frames. `m` is not
// changed. Progress counts the ticks of both turns; a cancel stops at the next tick.
AnimationRun AnimateGear(const MechanismModel& m, const AnimationSettings& settings,
                         const std::function<void(const QImage&)>& sink, const AnalysisControl& control = {});

// The recorded turn as a looping animated GIF, each frame standing AnimationFrameDelay.
struct AnimationGif {
    GifEncoder gif;
    AnimationRun run;
};
AnimationGif MakeAnimationGif(const MechanismModel& m, const AnimationSettings& settings,
                              const AnalysisControl& control = {});

}  // namespace zeph
