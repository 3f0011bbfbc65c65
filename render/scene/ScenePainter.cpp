// The whole main-window picture of one tick, painted from the model alone.
#include "render/scene/ScenePainter.h"

#include "platform/Colour.h"
#include "render/scene/CylinderPainter.h"
#include "render/scene/MechanismPainter.h"
#include "render/scene/PointerPainter.h"
#include "render/scene/ReadoutPainter.h"
#include "render/scene/UserLinesPainter.h"

namespace zeph {

bool ScenePainter::Paint(QImage& image, const MechanismModel& m, TextScale ts)
{
    if (image.width() != Width || image.height() != Height || image.format() != QImage::Format_RGB32)
        image = QImage(Width, Height, QImage::Format_RGB32);
    Whiten(image);
    ImageCanvas canvas(image);
    const bool blanked = Paint(canvas, m, ts);
    last_ = {image.cacheKey(), canvas.Tiles()};
    return blanked;
}

// Left as this painter's last picture made it, the image is white but in the tiles that picture
// wrote, and whitening those is enough: a fraction of the whole image on most ticks.
void ScenePainter::Whiten(QImage& image) const
{
    const bool untouched = image.cacheKey() == last_.image;
    ImageCanvas canvas(image);
    if (untouched)
        last_.tiles.ForEachRun([&](int left, int top, int right, int bottom) {
            canvas.FillRect(left, top, right, bottom, clWhite);
        });
    else
        canvas.Clear(clWhite);
}

bool ScenePainter::Paint(Canvas& c, const MechanismModel& m, TextScale ts)
{
    c.SetPenWidth(m.LineWidth);
    c.SetPenColor(clBlack);
    // The picture's texts: a plain sans-serif of 8 points, narrow enough for the readout columns.
    c.SetFontName(QStringLiteral("Liberation Sans Narrow"));
    const SceneGeometry g = MapScene(m);
    if (m.SteamDisplayOn) {
        if (steamSeed_)
            random_.Seed(*steamSeed_);
        else
            random_.SeedFromClock();
        DrawSteam(c, m, g, random_);
    }
    DrawDriverAndPivots(c, m);
    DrawCylinderOutline(c, g);
    DrawFixedPivotMarks(c, g);
    DrawGuideLink(c, m);
    DrawRods(c, g);
    DrawUserLines(c, m);
    const bool figureBlanked = DrawReadouts(c, m, ts);
    DrawPointer(c, m, g, ts);
    return figureBlanked;
}

}  // namespace zeph
