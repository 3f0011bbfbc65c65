// Comparing a pixel picture with a rendering of the same drawing as vectors: ink near ink.
#pragma once

#include <QImage>
#include <cstdlib>

namespace zeph::test {

// Whether a pixel stands out from the background colour.
inline bool IsInk(QRgb pixel, QRgb background)
{
    return std::abs(qRed(pixel) - qRed(background)) + std::abs(qGreen(pixel) - qGreen(background)) +
               std::abs(qBlue(pixel) - qBlue(background)) >
           120;
}

// The share of the ink pixels of `a` with no ink of `b` within `radius` pixels, both pictures
// taken on the background colour of a's top-left corner. 0 when every line and letter of `a`
// has its counterpart in `b`.
inline double UnmatchedInk(const QImage& a, const QImage& b, int radius = 2)
{
    const QImage pa = a.convertToFormat(QImage::Format_RGB32), pb = b.convertToFormat(QImage::Format_RGB32);
    const QRgb background = pa.pixel(0, 0);
    long ink = 0, unmatched = 0;
    for (int y = 0; y < pa.height(); ++y)
        for (int x = 0; x < pa.width(); ++x) {
            if (!IsInk(pa.pixel(x, y), background)) continue;
            ++ink;
            bool found = false;
            for (int dy = -radius; dy <= radius && !found; ++dy)
                for (int dx = -radius; dx <= radius && !found; ++dx) {
                    const int u = x + dx, v = y + dy;
                    found = u >= 0 && v >= 0 && u < pb.width() && v < pb.height() && IsInk(pb.pixel(u, v), background);
                }
            if (!found) ++unmatched;
        }
    return ink == 0 ? 0.0 : double(unmatched) / double(ink);
}

}  // namespace zeph::test
