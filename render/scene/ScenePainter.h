// The whole main-window picture of one tick, painted from the model alone.
#pragma once

#include <QImage>
#include <cstdint>
#include <optional>

#include "model/design/MechanismModel.h"
#include "platform/Canvas.h"
#include "platform/Random.h"
#include "render/text/TextScale.h"

namespace zeph {

// Paints what the tick left in the model (pivots, outlines, steam, cut-offs, pointer) and never
// changes it, so the same picture can be drawn by a window, a report or a test.
class ScenePainter {
public:
    static constexpr int Width = 1280;
    static constexpr int Height = 1024;

    // Paints into `image`, made 1280 x 1024 and white first. Returns whether a readout figure
    // could not show and was left blank, for the window to raise the mechanism warning.
    bool Paint(QImage& image, const MechanismModel& m, TextScale ts = {});
    // The same drawing steps onto any canvas (a recording one in tests).
    bool Paint(Canvas& c, const MechanismModel& m, TextScale ts = {});

    // The steam dots are scattered afresh for every picture, from the clock unless a seed is
    // set here: then every picture scatters them from that seed, the same state giving the
    // same picture. nullopt goes back to the clock.
    void SetSteamSeed(std::optional<uint64_t> seed) { steamSeed_ = seed; }

private:
    // Makes the image white, as cheaply as what it holds allows.
    void Whiten(QImage& image) const;

    // The image this painter painted last (its cache key just after) and the tiles it wrote.
    struct LastPicture {
        qint64 image = 0;
        WrittenTiles tiles;
    };

    Random random_;  // scatters the steam dots
    std::optional<uint64_t> steamSeed_;
    LastPicture last_;
};

}  // namespace zeph
