// Helpers of the animation tests: a GIF decoded with giflib's DGifSlurp into whole frames, as a viewer shows them.
#pragma once

#include <gif_lib.h>

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cstring>
#include <vector>

namespace zeph::test {

struct DecodedGif {
    bool ok = false;
    QSize size;
    int colours = 0;                 // entries of the global colour table
    bool loopsForever = false;       // a NETSCAPE2.0 block with a loop count of 0
    std::vector<QImage> frames;      // each as shown: drawn over the one before (RGB32)
    std::vector<QRect> rects;        // where each frame's pixels went
    std::vector<int> delays;         // hundredths of a second
    std::vector<int> disposals;
};

namespace detail {

struct ReadState {
    const QByteArray* bytes;
    qsizetype at = 0;
};

inline int ReadBytes(GifFileType* gif, GifByteType* into, int length)
{
    auto* s = static_cast<ReadState*>(gif->UserData);
    const auto n = static_cast<int>(std::min<qsizetype>(length, s->bytes->size() - s->at));
    std::memcpy(into, s->bytes->constData() + s->at, static_cast<size_t>(n));
    s->at += n;
    return n;
}

inline bool HasLoopForever(const ExtensionBlock* blocks, int count)
{
    for (int i = 0; i + 1 < count; ++i)
        if (blocks[i].Function == APPLICATION_EXT_FUNC_CODE && blocks[i].ByteCount == 11 &&
            std::memcmp(blocks[i].Bytes, "NETSCAPE2.0", 11) == 0 && blocks[i + 1].ByteCount == 3 &&
            blocks[i + 1].Bytes[0] == 1 && blocks[i + 1].Bytes[1] == 0 && blocks[i + 1].Bytes[2] == 0)
            return true;
    return false;
}

}  // namespace detail

inline DecodedGif DecodeGif(const QByteArray& bytes)
{
    DecodedGif d;
    detail::ReadState state{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&state, detail::ReadBytes, &error);
    if (!gif) return d;
    if (DGifSlurp(gif) != GIF_OK || !gif->SColorMap) {
        DGifCloseFile(gif, &error);
        return d;
    }
    d.size = QSize(gif->SWidth, gif->SHeight);
    d.colours = gif->SColorMap->ColorCount;
    d.loopsForever = detail::HasLoopForever(gif->ExtensionBlocks, gif->ExtensionBlockCount);
    QImage shown(d.size, QImage::Format_RGB32);
    const GifColorType bg = gif->SColorMap->Colors[gif->SBackGroundColor];
    shown.fill(qRgb(bg.Red, bg.Green, bg.Blue));
    d.ok = true;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        d.loopsForever = d.loopsForever || detail::HasLoopForever(image.ExtensionBlocks, image.ExtensionBlockCount);
        GraphicsControlBlock gcb{};
        DGifSavedExtensionToGCB(gif, i, &gcb);
        d.delays.push_back(gcb.DelayTime);
        d.disposals.push_back(gcb.DisposalMode);
        const GifImageDesc& desc = image.ImageDesc;
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        const QRect rect(desc.Left, desc.Top, desc.Width, desc.Height);
        d.rects.push_back(rect);
        if (!QRect(QPoint(0, 0), d.size).contains(rect)) d.ok = false;
        for (int y = 0; d.ok && y < desc.Height; ++y)
            for (int x = 0; x < desc.Width; ++x) {
                const GifByteType index = image.RasterBits[y * desc.Width + x];
                if (index >= map->ColorCount) d.ok = false;
                const GifColorType c = map->Colors[index < map->ColorCount ? index : 0];
                shown.setPixel(desc.Left + x, desc.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
        d.frames.push_back(shown.copy());
    }
    DGifCloseFile(gif, &error);
    return d;
}

}  // namespace zeph::test
