// Readout texts placed at base positions that grow with the large font.
#pragma once

#include <QString>

#include "model/MechanismModel.h"
#include "model/ViewTransform.h"
#include "platform/Canvas.h"

namespace zeph {

// Text at base position (x, y) scaled by the text scales: round(TextScaleX x), round(TextScaleY y).
inline void ScaledTextOut(Canvas& c, const MechanismModel& m, int x, int y, const QString& text)
{
    c.TextOut(RoundInt(Real(m.TextScaleX) * x), RoundInt(Real(m.TextScaleY) * y), text);
}

}  // namespace zeph
