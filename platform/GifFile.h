// An animated GIF of equal-size frames that loops for ever, encoded in memory and written whole or not at all.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/Files.h"

namespace zeph {

// Collects the frames of one animation and encodes them with giflib. The colours of all frames
// share one global palette: exact while they hold at most 256 distinct colours, else every
// colour is taken to the nearest of a fixed 6 x 6 x 6 colour cube. Each frame after the first
// keeps only the rectangle that changed since the one before (disposal "do not dispose"), so
// a frame where little moves costs little. Memory: one indexed frame plus the changed
// rectangles, one byte a pixel.
class GifEncoder {
public:
    // `delayCentiseconds` is how long each frame stands, in hundredths of a second.
    GifEncoder(QSize size, int delayCentiseconds);

    // Adds a frame of the encoder's size (any format; it is read as RGB, alpha ignored).
    // A frame of another size is refused: returns false and adds nothing.
    bool AddFrame(const QImage& frame);

    int FrameCount() const { return static_cast<int>(frames_.size()); }
    // Whether every colour so far is kept exactly.
    bool ExactColours() const { return exact_; }
    // The global palette's colours (at most 256).
    const std::vector<QRgb>& Palette() const { return palette_; }

    // The GIF file: header, palette, the loop-for-ever extension, then each frame with its
    // delay. Empty when giflib refuses (no frames, or out of memory).
    QByteArray Encode() const;

private:
    struct Frame {
        QRect rect;                    // where the stored indices go in the picture
        std::vector<uint8_t> indices;  // rect's pixels, row by row
    };

    // The frame's palette indices, in the exact palette while it lasts.
    std::vector<uint8_t> IndexFrame(const QImage& rgb);
    // Gives up the exact palette: every stored index is moved to the cube's colour nearest it.
    void FallBackToCube();
    // The smallest rectangle where `now` differs from the frame before; a pixel when none does.
    QRect ChangedRect(const std::vector<uint8_t>& now) const;

    QSize size_;
    int delay_;
    bool exact_ = true;
    std::vector<QRgb> palette_;
    std::unordered_map<QRgb, uint8_t> indexOf_;
    std::vector<uint8_t> last_;  // the whole previous frame, indexed
    std::vector<Frame> frames_;
};

// Encodes the frames and replaces the file at `path` with the GIF as ReplaceFile does: what
// stands there is refused unless it is a regular file, and an old file stays until every byte
// of the new one is on the disk. The reason when it could not.
std::optional<ReplaceFailure> WriteGif(const GifEncoder& gif, const QString& path);

}  // namespace zeph
