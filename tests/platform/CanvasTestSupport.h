// Helpers of the canvas tests: a white test picture and ways to look at its pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <set>
#include <utility>

#include "platform/Canvas.h"

namespace zeph::test {

using PixelSet = std::set<std::pair<int, int>>;  // (x, y)

// A white image with a canvas over it.
struct Picture {
    explicit Picture(int width = 64, int height = 48) : image(width, height, QImage::Format_RGB32), canvas(image)
    {
        canvas.Clear(clWhite);
    }

    TColor At(int x, int y) const { return FromQRgb(image.pixel(x, y)); }

    PixelSet PixelsOf(TColor color) const
    {
        PixelSet found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(x, y) == color)
                    found.insert({x, y});
        return found;
    }

    PixelSet Drawn() const
    {
        PixelSet found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(x, y) != clWhite)
                    found.insert({x, y});
        return found;
    }

    // Smallest rectangle around everything that is not white.
    QRect Bounds() const
    {
        QRect r;
        for (const auto& [x, y] : Drawn())
            r |= QRect(x, y, 1, 1);
        return r;
    }

    // The picture as rows of '#' and '.', shown when a comparison fails.
    QString Ascii() const
    {
        QString text;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                text += At(x, y) == clWhite ? u'.' : u'#';
            text += u'\n';
        }
        return text;
    }

    QImage image;
    ImageCanvas canvas;
};

}  // namespace zeph::test
