// Builds the whole main-window picture of one tick, step by step, into an off-screen image.
#pragma once

#include <QImage>

#include "main/DimensionPointer.h"
#include "main/Readouts.h"
#include "main/SteamDisplay.h"
#include "model/MechanismModel.h"
#include "platform/Random.h"
#include "platform/Sound.h"

namespace zeph {

class SceneRenderer {
public:
    SceneRenderer(MechanismModel& model, SoundSink& sound);

    // Draws the scene of the current tick into `image`, made 1280 x 1024 and white first.
    void RenderScene(QImage& image);
    // The same drawing steps onto any canvas (a recording one in tests).
    void DrawScene(Canvas& c);

    Readouts& Texts() { return readouts_; }
    DimensionPointer& Pointer() { return pointer_; }

private:
    MechanismModel& m;
    SoundSink& sound_;
    Random random_;
    SteamDisplay steam_;
    Readouts readouts_;
    DimensionPointer pointer_;
};

}  // namespace zeph
