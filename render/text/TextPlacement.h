// Readout texts placed at base positions that grow with the large font.
#pragma once

#include <QString>

#include "model/linkage/ViewTransform.h"
#include "platform/Canvas.h"
#include "render/text/TextScale.h"

namespace zeph {

// Text at base position (x, y) scaled by the text scale: round(s.x x), round(s.y y).
inline void ScaledTextOut(Canvas& c, TextScale s, int x, int y, const QString& text)
{
    c.TextOut(RoundInt(Real(s.x) * x), RoundInt(Real(s.y) * y), text);
}

}  // namespace zeph
