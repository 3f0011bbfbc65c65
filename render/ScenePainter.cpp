// The whole main-window picture of one tick, painted from the model alone.
#include "render/ScenePainter.h"

#include "platform/Colour.h"
#include "render/CylinderPainter.h"
#include "render/MechanismPainter.h"
#include "render/PointerPainter.h"
#include "render/ReadoutPainter.h"
#include "render/UserLinesPainter.h"

namespace zeph {

bool ScenePainter::Paint(QImage& image, const MechanismModel& m)
{
    if (image.width() != Width || image.height() != Height || image.format() != QImage::Format_RGB32)
        image = QImage(Width, Height, QImage::Format_RGB32);
    ImageCanvas canvas(image);
    canvas.Clear(clWhite);
    return Paint(canvas, m);
}

bool ScenePainter::Paint(Canvas& c, const MechanismModel& m)
{
    c.SetPenWidth(m.LineWidth);
    c.SetPenColor(clBlack);
    // The picture's texts: a plain sans-serif of 8 points, narrow enough for the readout columns.
    c.SetFontName(QStringLiteral("Liberation Sans Narrow"));
    if (m.SteamDisplayOn) DrawSteam(c, m, random_);
    DrawDriverAndPivots(c, m);
    DrawCylinderOutline(c, m);
    DrawFixedPivotMarks(c, m);
    DrawGuideLink(c, m);
    DrawRods(c, m);
    DrawUserLines(c, m);
    const bool figureBlanked = DrawReadouts(c, m);
    DrawPointer(c, m);
    return figureBlanked;
}

}  // namespace zeph
