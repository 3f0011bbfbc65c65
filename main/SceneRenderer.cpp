// Builds the whole main-window picture of one tick, step by step, into an off-screen image.
#include "main/SceneRenderer.h"

#include "main/MechanismDrawing.h"
#include "platform/Colour.h"

namespace zeph {

SceneRenderer::SceneRenderer(MechanismModel& model, SoundSink& sound)
    : m(model), sound_(sound), steam_(model, sound, random_), readouts_(model, sound), pointer_(model)
{
}

void SceneRenderer::RenderScene(QImage& image)
{
    if (image.width() != 1280 || image.height() != 1024 || image.format() != QImage::Format_RGB32)
        image = QImage(1280, 1024, QImage::Format_RGB32);
    ImageCanvas canvas(image);
    canvas.Clear(clWhite);
    DrawScene(canvas);
}

void SceneRenderer::DrawScene(Canvas& c)
{
    c.SetPenWidth(m.LineWidth);
    c.SetPenColor(clBlack);
    // The picture's texts: a plain sans-serif of 8 points, narrow enough for the readout columns.
    c.SetFontName(QStringLiteral("Liberation Sans Narrow"));
    if (m.SteamDisplayOn) steam_.DrawSteam(c);
    readouts_.DrawCaptions();
    DrawDriverAndPivots(c, m);
    steam_.DrawOutline(c);
    DrawFixedPivotMarks(c, m);
    DrawGuideLink(c, m);
    DrawRods(c, m);
    // User lines and circles join here.
    readouts_.DrawReadouts(c);
    if (m.GraphicDimCode > 0) pointer_.Draw(c);
}

}  // namespace zeph
