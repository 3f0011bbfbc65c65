// Vector copies made by running each painter on a canvas over the device's QPainter.
#include "render/copies/PictureCopies.h"

#include <memory>

#include "render/analysis/ToleranceHistogramPainter.h"
#include "render/diagrams/DiagramFrame.h"
#include "render/diagrams/DiagramPainter.h"
#include "render/scene/ScenePainter.h"

namespace zeph {

HardCopy SceneCopy(const MechanismModel& m, QSize shown, TextScale ts, const QString& title)
{
    const QSize size = shown.boundedTo(QSize(ScenePainter::Width, ScenePainter::Height)).expandedTo(QSize(1, 1));
    auto model = std::make_shared<const MechanismModel>(m);
    return DrawingCopy(title, size, [model, ts](Canvas& c) {
        ScenePainter painter;
        c.Clear(clWhite);
        painter.Paint(c, *model, ts);
    });
}

HardCopy DiagramCopy(const MechanismModel& m, const DiagramData& data, const QString& storedUndoLine, TextScale ts,
                     const QString& title)
{
    auto model = std::make_shared<const MechanismModel>(m);
    auto diagram = std::make_shared<const DiagramData>(data);
    return DrawingCopy(title, PictureSizeOf(KindOf(data), ts), [model, diagram, storedUndoLine, ts](Canvas& c) {
        EraseDiagram(c);
        PaintDiagram(c, *model, *diagram, storedUndoLine, ts);
    });
}

HardCopy ToleranceHistogramCopy(const ToleranceResult& r, const QString& title)
{
    auto result = std::make_shared<const ToleranceResult>(r);
    return DrawingCopy(title, ToleranceHistogramSize(r),
                       [result](Canvas& c) { PaintToleranceHistograms(c, *result); });
}

}  // namespace zeph
