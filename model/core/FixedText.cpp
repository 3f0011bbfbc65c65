// Fixed-point number texts inside the model: v with d decimals, padded on the left to a width.
#include "model/core/FixedText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zeph {

std::string FixedText(double v, int width, int decimals)
{
    width = std::clamp(width, 0, 255);
    decimals = std::clamp(decimals, 0, 40);
    std::string text;
    if (std::isnan(v)) {
        text = "NAN";
    } else if (std::isinf(v)) {
        text = v < 0 ? "-INF" : "INF";
    } else {
        char buffer[400];
        // Adding 0.0 turns negative zero into zero.
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v + 0.0);
        text = buffer;
    }
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

bool FigureFits(double v, int width, int decimals)
{
    return std::isfinite(v) && static_cast<int>(FixedText(v, 0, decimals).size()) <= width + FigureOverrun;
}

std::string FigureText(double v, int width, int decimals)
{
    if (FigureFits(v, width, decimals)) return FixedText(v, width, decimals);
    return std::string(static_cast<size_t>(std::clamp(width, 0, 255)), ' ');
}

}  // namespace zeph
