// Fixed-point formatting with left padding.
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace zeph {

namespace {

constexpr int MaxWidth = 255;
constexpr int MaxDecimals = 40;

QString PadLeft(const QString& text, int width)
{
    return text.rightJustified(std::clamp(width, 0, MaxWidth), QLatin1Char(' '));
}

QString NonFinite(double v)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

}  // namespace

QString StrF(double v, int width, int decimals)
{
    if (!std::isfinite(v))
        return PadLeft(NonFinite(v), width);
    // Adding 0.0 turns negative zero into zero.
    return PadLeft(QString::number(v + 0.0, 'f', std::clamp(decimals, 0, MaxDecimals)), width);
}

QString StrI(long long n, int width) { return PadLeft(QString::number(n), width); }

}  // namespace zeph
