// Figures of the readouts and the diagrams' tables: a number in its field, or the field left blank when it cannot show.
#include "render/text/ReadoutFigures.h"

#include <algorithm>

#include "model/core/FixedText.h"
#include "platform/NumberText.h"

namespace zeph {

QString ReadoutFigure(double v, int width, int decimals)
{
    if (FigureFits(v, width, decimals)) return StrF(v, width, decimals);
    return QString(std::clamp(width, 0, 255), QLatin1Char(' '));
}

QString ReadoutFigures::Text(double v, int width, int decimals)
{
    anyBlanked_ = anyBlanked_ || !FigureFits(v, width, decimals);
    return ReadoutFigure(v, width, decimals);
}

}  // namespace zeph
