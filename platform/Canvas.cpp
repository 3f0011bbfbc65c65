// Drawing state of every canvas and the image canvas writing straight into the pixels.
#include "platform/Canvas.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "platform/GlyphFont.h"
#include "platform/Raster.h"

namespace zeph {

using raster::Coord;

// ---------------------------------------------------------------- drawing state

Canvas::Canvas() : fontName_(qGuiApp ? QGuiApplication::font().family() : QString()) {}

void Canvas::SetPenColor(TColor color) { penColor_ = color & 0xFFFFFF; }

void Canvas::SetPenWidth(int width) { penWidth_ = std::clamp(width, 1, MaxPenWidth); }

void Canvas::MoveTo(int x, int y) { penPos_ = QPoint(x, y); }

void Canvas::SetPixels(const QPoint* points, size_t count, TColor color)
{
    for (size_t i = 0; i < count; ++i) SetPixel(points[i].x(), points[i].y(), color);
}

void Canvas::SetFontName(const QString& family)
{
    fontName_ = family;
    glyphs_ = nullptr;
}

void Canvas::SetFontSize(int points)
{
    fontSize_ = std::clamp(points, 1, MaxFontSize);
    glyphs_ = nullptr;
}

void Canvas::SetFontBold(bool bold)
{
    fontBold_ = bold;
    glyphs_ = nullptr;
}

void Canvas::SetFontColor(TColor color) { fontColor_ = color & 0xFFFFFF; }

int Canvas::TextWidth(const QString& text) { return Glyphs().Width(text); }

int Canvas::TextHeight(const QString&) { return Glyphs().Height(); }

GlyphFont& Canvas::Glyphs()
{
    if (!glyphs_)
        glyphs_ = &GlyphFont::For(fontName_, fontSize_, fontBold_);
    return *glyphs_;
}

// ---------------------------------------------------------------- written tiles

void WrittenTiles::Resize(int width, int height)
{
    columns_ = size_t(std::max(width, 0) + Size - 1) / Size;
    rows_ = size_t(std::max(height, 0) + Size - 1) / Size;
    marked_.assign(columns_ * rows_, 0);
}

void WrittenTiles::Mark(long long left, long long top, long long right, long long bottom)
{
    if (left >= right || top >= bottom) return;
    for (long long r = top / Size; r <= (bottom - 1) / Size; ++r)
        std::fill_n(marked_.begin() + r * columns_ + left / Size, (right - 1) / Size - left / Size + 1, 1);
}

// ---------------------------------------------------------------- image canvas

namespace {

// Widens `area` to take in columns [left, right) x rows [top, bottom), which lie within the image.
void TakeIn(ImageCanvas::Area& area, Coord left, Coord top, Coord right, Coord bottom)
{
    if (left >= right || top >= bottom) return;
    if (area.left >= area.right || area.top >= area.bottom) {
        area = {int(left), int(top), int(right), int(bottom)};
        return;
    }
    area = {std::min(area.left, int(left)), std::min(area.top, int(top)), std::max(area.right, int(right)),
            std::max(area.bottom, int(bottom))};
}

// The pixels of the image for the duration of one call, with clipped writes; what it writes is
// added to the canvas's written area and tiles.
struct Surface {
    Surface(QImage& image, ImageCanvas::Area& written, WrittenTiles& tiles)
        : bits(reinterpret_cast<QRgb*>(image.bits())), written(&written), tiles(&tiles)  // detaches a shared image
    {
        if (bits) {
            stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
            width = image.width();
            height = image.height();
        }
    }

    // Columns [left, right) x rows [top, bottom), clipped.
    void Fill(Coord left, Coord top, Coord right, Coord bottom, QRgb color) const
    {
        left = std::max<Coord>(left, 0);
        top = std::max<Coord>(top, 0);
        right = std::min(right, width);
        bottom = std::min(bottom, height);
        if (left >= right) return;
        for (Coord y = top; y < bottom; ++y) std::fill(bits + y * stride + left, bits + y * stride + right, color);
        TakeIn(*written, left, top, right, bottom);
        tiles->Mark(left, top, right, bottom);
    }

    // One pixel inside the image.
    void Set(Coord x, Coord y, QRgb color) const
    {
        bits[y * stride + x] = color;
        TakeIn(*written, x, y, x + 1, y + 1);
        tiles->Mark(x, y);
    }

    QRgb* bits = nullptr;
    ImageCanvas::Area* written;
    WrittenTiles* tiles;
    qsizetype stride = 0;  // pixels per scan line
    Coord width = 0, height = 0;
};

// The pen's w x w square stamped on each pixel of a thin figure.
struct PenStamp {
    PenStamp(const Surface& s, const Canvas& canvas)
        : surface(s), color(ToQRgb(canvas.PenColor())), width(canvas.PenWidth())
    {
    }

    void operator()(Coord x, Coord y) const
    {
        if (width == 1) {
            if (x >= 0 && x < surface.width && y >= 0 && y < surface.height)
                surface.Set(x, y, color);
        } else {
            surface.Fill(x - (width - 1) / 2, y - (width - 1) / 2, x + width / 2 + 1, y + width / 2 + 1, color);
        }
    }

    // Pixels whose square can touch the image.
    raster::Reach Reach() const
    {
        return {-(width / 2), -(width / 2), surface.width + (width - 1) / 2, surface.height + (width - 1) / 2};
    }

    const Surface& surface;
    QRgb color;
    int width;
};

struct Box {
    Coord left, top, right, bottom;
};

Box Normalised(int x1, int y1, int x2, int y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

void PenLine(const PenStamp& pen, Coord x0, Coord y0, Coord x1, Coord y1)
{
    raster::Line(x0, y0, x1, y1, pen.Reach(), pen);
}

// Even-odd fill of the pixels whose centres lie inside; vertices are pixel centres.
void FillPolygon(const Surface& s, const QPolygon& points, QRgb color)
{
    const QRect bounds = points.boundingRect();
    const Coord top = std::max<Coord>(bounds.top(), 0), bottom = std::min<Coord>(bounds.bottom(), s.height - 1);
    std::vector<double> crossings;
    for (Coord y = top; y <= bottom; ++y) {
        crossings.clear();
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QPoint a = points[i], b = points[(i + 1) % points.size()];
            // Half-open in y so that a vertex shared by two edges counts once.
            if ((a.y() <= y && y < b.y()) || (b.y() <= y && y < a.y()))
                crossings.push_back(a.x() + double(y - a.y()) * (double(b.x()) - a.x()) / (double(b.y()) - a.y()));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const Coord from = Coord(std::max(std::ceil(crossings[i]), -1.0));
            const Coord to = Coord(std::min(std::ceil(crossings[i + 1]), double(s.width)));
            s.Fill(from, y, to, y + 1, color);
        }
    }
}

}  // namespace

ImageCanvas::ImageCanvas(QImage& image) : image_(image)
{
    if (!image_.isNull() && image_.format() != QImage::Format_RGB32)
        image_ = image_.convertToFormat(QImage::Format_RGB32);
    tiles_.Resize(image_.width(), image_.height());
}

void ImageCanvas::LineTo(int x, int y)
{
    const Surface s(image_, written_, tiles_);
    PenLine(PenStamp(s, *this), PenPos().x(), PenPos().y(), x, y);
    SetPenPos(QPoint(x, y));
}

void ImageCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const Surface s(image_, written_, tiles_);
    const PenStamp pen(s, *this);
    raster::EllipseShape(x1, y1, x2, y2).ForEachPixel(pen.Reach(), pen);
}

void ImageCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const Surface s(image_, written_, tiles_);
    const PenStamp pen(s, *this);
    const raster::ArcSelector arc(x1, y1, x2, y2, x3, y3, x4, y4);
    raster::EllipseShape(x1, y1, x2, y2).ForEachPixel(pen.Reach(), [&](Coord px, Coord py) {
        if (arc.Contains(px, py))
            pen(px, py);
    });
}

void ImageCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const Box b = Normalised(x1, y1, x2, y2);
    if (b.left == b.right || b.top == b.bottom)
        return;
    const Surface s(image_, written_, tiles_);
    const PenStamp pen(s, *this);
    const Coord right = b.right - 1, bottom = b.bottom - 1;
    // Four sides, each with both of its end pixels, so a one-pixel box is still drawn.
    auto side = [&](Coord xa, Coord ya, Coord xb, Coord yb) {
        PenLine(pen, xa, ya, xb, yb);
        pen(xb, yb);
    };
    side(b.left, b.top, right, b.top);
    side(right, b.top, right, bottom);
    side(right, bottom, b.left, bottom);
    side(b.left, bottom, b.left, b.top);
}

void ImageCanvas::Polygon(const QPolygon& points, TColor fill)
{
    if (points.size() < 2)
        return;
    const Surface s(image_, written_, tiles_);
    FillPolygon(s, points, ToQRgb(fill));
    const PenStamp pen(s, *this);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPoint a = points[i], b = points[(i + 1) % points.size()];
        PenLine(pen, a.x(), a.y(), b.x(), b.y());
    }
}

void ImageCanvas::SetPixel(int x, int y, TColor color)
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    Surface(image_, written_, tiles_).Set(x, y, ToQRgb(color));
}

// One detach for the whole batch, then straight into the scan lines.
void ImageCanvas::SetPixels(const QPoint* points, size_t count, TColor color)
{
    const Surface s(image_, written_, tiles_);
    const QRgb rgb = ToQRgb(color);
    for (size_t i = 0; i < count; ++i) {
        const int x = points[i].x(), y = points[i].y();
        if (x < 0 || y < 0 || x >= s.width || y >= s.height) continue;
        s.Set(x, y, rgb);
    }
}

void ImageCanvas::FillRect(int x1, int y1, int x2, int y2, TColor color)
{
    const Box b = Normalised(x1, y1, x2, y2);
    Surface(image_, written_, tiles_).Fill(b.left, b.top, b.right, b.bottom, ToQRgb(color));
}

void ImageCanvas::Clear(TColor color)
{
    if (image_.isNull())
        return;
    image_.fill(ToQRgb(color));
    TakeIn(written_, 0, 0, image_.width(), image_.height());
    tiles_.Mark(0, 0, image_.width(), image_.height());
}

void ImageCanvas::TextOut(int x, int y, const QString& text)
{
    const Surface s(image_, written_, tiles_);
    const QRgb color = ToQRgb(FontColor());
    GlyphFont& font = Glyphs();
    const Coord stopAt = s.width + font.Height();  // no glyph reaches back further than an em
    font.ForEachGlyph(text, [&](const Glyph& g, long long pen) {
        const Coord left = x + pen;
        if (left > stopAt)
            return false;
        for (const GlyphRun& run : g.runs)
            s.Fill(left + run.dx, y + run.dy, left + run.dx + run.length, y + run.dy + 1, color);
        return true;
    });
}

}  // namespace zeph
