// Helpers of the painter tests: texts by position, lines by colour and pixels of a picture.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "model/ModelTestSupport.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"

namespace zeph::test {

// Every TextOut of exactly this text.
inline std::vector<const CanvasCall*> TextCalls(const RecordingCanvas& c, const QString& text)
{
    std::vector<const CanvasCall*> found;
    for (const CanvasCall* call : c.Calls(CanvasOp::TextOut))
        if (call->text == text) found.push_back(call);
    return found;
}

// The TextOut at exactly (x, y), or null.
inline const CanvasCall* TextAt(const RecordingCanvas& c, int x, int y)
{
    for (const CanvasCall* call : c.Calls(CanvasOp::TextOut))
        if (call->x() == x && call->y() == y) return call;
    return nullptr;
}

// The text written at exactly (x, y), or "<nothing>".
inline QString TextOf(const RecordingCanvas& c, int x, int y)
{
    const CanvasCall* call = TextAt(c, x, y);
    return call ? call->text : QStringLiteral("<nothing>");
}

// The font colour of the text at exactly (x, y); white (as the background) when nothing is there.
inline TColor TextColourOf(const RecordingCanvas& c, int x, int y)
{
    const CanvasCall* call = TextAt(c, x, y);
    return call ? call->fontColor : clWhite;
}

// Lines drawn with one pen colour.
inline int LinesIn(const RecordingCanvas& c, TColor colour)
{
    int n = 0;
    for (const CanvasCall* call : c.Calls(CanvasOp::LineTo)) n += call->penColor == colour ? 1 : 0;
    return n;
}

inline TColor PixelAt(const QImage& image, int x, int y) { return FromQRgb(image.pixel(x, y)); }

inline int CountPixels(const QImage& image, TColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += PixelAt(image, x, y) == colour ? 1 : 0;
    return n;
}

}  // namespace zeph::test
