// Palette building, changed rectangles and the giflib calls that write an animated GIF into memory.
#include "platform/GifFile.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>

namespace zeph {

namespace {

constexpr int MaxColours = 256;
constexpr int CubeLevels = 6;  // 6 x 6 x 6 = 216 colours, 51 apart on each channel
constexpr int CubeSpacing = 255 / (CubeLevels - 1);

int CubeLevel(int channel) { return (channel + CubeSpacing / 2) / CubeSpacing; }

uint8_t CubeIndex(QRgb c)
{
    return static_cast<uint8_t>((CubeLevel(qRed(c)) * CubeLevels + CubeLevel(qGreen(c))) * CubeLevels +
                                CubeLevel(qBlue(c)));
}

std::vector<QRgb> CubePalette()
{
    std::vector<QRgb> cube;
    for (int r = 0; r < CubeLevels; ++r)
        for (int g = 0; g < CubeLevels; ++g)
            for (int b = 0; b < CubeLevels; ++b) cube.push_back(qRgb(r * CubeSpacing, g * CubeSpacing, b * CubeSpacing));
    return cube;
}

// giflib writes through this into the QByteArray its user data points at.
int AppendBytes(GifFileType* gif, const GifByteType* bytes, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The palette padded to the power of two a GIF colour table needs.
std::unique_ptr<ColorMapObject, MapDeleter> ColourMap(const std::vector<QRgb>& palette)
{
    const int count = 1 << GifBitSize(std::max<int>(2, static_cast<int>(palette.size())));
    std::vector<GifColorType> colours(static_cast<size_t>(count), GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i] = {static_cast<GifByteType>(qRed(palette[i])), static_cast<GifByteType>(qGreen(palette[i])),
                      static_cast<GifByteType>(qBlue(palette[i]))};
    return std::unique_ptr<ColorMapObject, MapDeleter>(GifMakeMapObject(count, colours.data()));
}

// The application extension that asks viewers to loop for ever (a count of 0).
bool PutLoopForever(GifFileType* gif)
{
    static const char name[] = "NETSCAPE2.0";
    const GifByteType loop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, name) == GIF_OK && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrameControl(GifFileType* gif, int delay)
{
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_DO_NOT;
    gcb.UserInputFlag = false;
    gcb.DelayTime = delay;
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType ext[4];
    const auto length = static_cast<int>(EGifGCBToExtension(&gcb, ext));
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, ext) == GIF_OK;
}

}  // namespace

GifEncoder::GifEncoder(QSize size, int delayCentiseconds) : size_(size), delay_(std::clamp(delayCentiseconds, 0, 65535))
{
}

bool GifEncoder::AddFrame(const QImage& frame)
{
    if (frame.size() != size_ || size_.isEmpty()) return false;
    const QImage rgb = frame.format() == QImage::Format_RGB32 ? frame : frame.convertToFormat(QImage::Format_RGB32);
    std::vector<uint8_t> now = IndexFrame(rgb);
    const QRect rect = frames_.empty() ? QRect(QPoint(0, 0), size_) : ChangedRect(now);
    Frame f{rect, {}};
    f.indices.reserve(static_cast<size_t>(rect.width()) * static_cast<size_t>(rect.height()));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto row = now.begin() + static_cast<long>(y) * size_.width();
        f.indices.insert(f.indices.end(), row + rect.left(), row + rect.right() + 1);
    }
    frames_.push_back(std::move(f));
    last_ = std::move(now);
    return true;
}

std::vector<uint8_t> GifEncoder::IndexFrame(const QImage& rgb)
{
    std::vector<uint8_t> indices(static_cast<size_t>(size_.width()) * static_cast<size_t>(size_.height()));
    size_t k = 0;
    // Drawings hold long runs of one colour: the last look-up is kept.
    QRgb lastColour = 0;
    uint8_t lastIndex = 0;
    bool haveLast = false;
    for (int y = 0; y < size_.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < size_.width(); ++x, ++k) {
            const QRgb c = line[x] | 0xff000000u;
            if (haveLast && c == lastColour) {
                indices[k] = lastIndex;
                continue;
            }
            if (!exact_) {
                lastIndex = CubeIndex(c);
            } else if (const auto found = indexOf_.find(c); found != indexOf_.end()) {
                lastIndex = found->second;
            } else if (palette_.size() < MaxColours) {
                lastIndex = static_cast<uint8_t>(palette_.size());
                indexOf_.emplace(c, lastIndex);
                palette_.push_back(c);
            } else {
                FallBackToCube();
                return IndexFrame(rgb);
            }
            lastColour = c;
            haveLast = true;
            indices[k] = lastIndex;
        }
    }
    return indices;
}

void GifEncoder::FallBackToCube()
{
    std::array<uint8_t, MaxColours> moved{};
    for (size_t i = 0; i < palette_.size(); ++i) moved[i] = CubeIndex(palette_[i]);
    for (Frame& f : frames_)
        for (uint8_t& index : f.indices) index = moved[index];
    for (uint8_t& index : last_) index = moved[index];
    palette_ = CubePalette();
    indexOf_.clear();
    exact_ = false;
}

QRect GifEncoder::ChangedRect(const std::vector<uint8_t>& now) const
{
    const int w = size_.width(), h = size_.height();
    int left = w, right = -1, top = h, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(w);
        int first = -1, lastX = -1;
        for (int x = 0; x < w; ++x)
            if (now[row + static_cast<size_t>(x)] != last_[row + static_cast<size_t>(x)]) {
                if (first < 0) first = x;
                lastX = x;
            }
        if (first < 0) continue;
        left = std::min(left, first);
        right = std::max(right, lastX);
        top = std::min(top, y);
        bottom = y;
    }
    if (bottom < 0) return {0, 0, 1, 1};  // nothing changed: one pixel keeps the frame and its delay
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QByteArray GifEncoder::Encode() const
{
    if (frames_.empty()) return {};
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendBytes, &error);
    if (!gif) return {};
    EGifSetGifVersion(gif, true);
    const auto map = ColourMap(palette_);
    bool ok = map && EGifPutScreenDesc(gif, size_.width(), size_.height(), 8, 0, map.get()) == GIF_OK &&
              PutLoopForever(gif);
    std::vector<GifPixelType> line;
    for (const Frame& f : frames_) {
        if (!ok) break;
        const QRect& r = f.rect;
        ok = PutFrameControl(gif, delay_) &&
             EGifPutImageDesc(gif, r.left(), r.top(), r.width(), r.height(), false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < r.height(); ++y) {
            const auto row = f.indices.begin() + static_cast<long>(y) * r.width();
            line.assign(row, row + r.width());
            ok = EGifPutLine(gif, line.data(), r.width()) == GIF_OK;
        }
    }
    // Closing writes the trailer; it frees the handle whatever happened.
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    return ok ? out : QByteArray();
}

std::optional<ReplaceFailure> WriteGif(const GifEncoder& gif, const QString& path)
{
    const QByteArray bytes = gif.Encode();
    if (bytes.isEmpty()) return ReplaceFailure{QStringLiteral("The animation could not be made into a GIF")};
    return ReplaceFile(path, bytes);
}

}  // namespace zeph
