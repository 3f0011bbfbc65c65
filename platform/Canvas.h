// Drawing surface of every picture: pen, outline shapes, pixels and text, over an image or recorded.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QString>
#include <utility>
#include <vector>

#include "platform/Colour.h"

namespace zeph {

class GlyphFont;

// Drawing state and primitives shared by the image canvas and the recording canvas. Shapes are
// outlines only (no brush); coordinates are pixels, y downwards; anything outside the surface
// is clipped silently, whatever the coordinates.
class Canvas {
public:
    static constexpr int MaxPenWidth = 64;
    static constexpr int MaxFontSize = 200;

    Canvas();
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Pen: colour (black at start) and width in pixels, kept within 1..MaxPenWidth. A pen of
    // width w stamps a w x w square on every pixel of the thin figure, covering
    // x - (w - 1) / 2 .. x + w / 2 and the same vertically, so width 2 grows right and down.
    virtual void SetPenColor(TColor color);
    TColor PenColor() const { return penColor_; }
    virtual void SetPenWidth(int width);
    int PenWidth() const { return penWidth_; }

    // Current position of the pen path.
    virtual void MoveTo(int x, int y);
    QPoint PenPos() const { return penPos_; }
    // Line from the current position to (x, y), start pixel included and end pixel excluded;
    // (x, y) becomes the current position.
    virtual void LineTo(int x, int y) = 0;

    // Outline of the ellipse inscribed in the box with corners (x1, y1), (x2, y2) in any order;
    // it occupies columns min..max-1 and rows min..max-1 and touches all four sides.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // The pixels of the same outline lying counter-clockwise on screen from the radial through
    // (x3, y3) to the radial through (x4, y4), both taken from the box centre; radials in the
    // same direction give the whole ellipse.
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    // Outline of columns min..max-1 and rows min..max-1; the current position is kept.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Polygon filled with fill (even-odd rule, pixel centres inside) and outlined with the pen;
    // the current position is kept.
    virtual void Polygon(const QPolygon& points, TColor fill) = 0;

    virtual void SetPixel(int x, int y, TColor color) = 0;
    // Many pixels of one colour, as SetPixel would set them one by one, in order.
    virtual void SetPixels(const QPoint* points, size_t count, TColor color);
    // Columns min..max-1 and rows min..max-1 of the two corners.
    virtual void FillRect(int x1, int y1, int x2, int y2, TColor color) = 0;
    // The whole surface in one colour.
    virtual void Clear(TColor color) = 0;

    // Font: the application's default family, 8 points, regular, black at start. Sizes are
    // kept within 1..MaxFontSize points.
    virtual void SetFontName(const QString& family);
    QString FontName() const { return fontName_; }
    virtual void SetFontSize(int points);
    int FontSize() const { return fontSize_; }
    virtual void SetFontBold(bool bold);
    bool FontBold() const { return fontBold_; }
    virtual void SetFontColor(TColor color);
    TColor FontColor() const { return fontColor_; }

    // Text with its cell's top-left corner at (x, y), background left as it is.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextWidth(const QString& text);
    virtual int TextHeight(const QString& text);

protected:
    void SetPenPos(QPoint pos) { penPos_ = pos; }
    // Glyphs of the current font.
    GlyphFont& Glyphs();

private:
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    QPoint penPos_;
    QString fontName_;
    int fontSize_ = 8;
    bool fontBold_ = false;
    TColor fontColor_ = clBlack;
    GlyphFont* glyphs_ = nullptr;  // resolved lazily, dropped on every font change
};

// The 16 x 16 tiles of an image that a canvas has written into: whitening those takes back a
// line drawing at the cost of what it drew, where its bounding box may span the whole image.
class WrittenTiles {
public:
    static constexpr int Size = 16;

    void Resize(int width, int height);
    // Columns [left, right) x rows [top, bottom), which lie within the image.
    void Mark(long long left, long long top, long long right, long long bottom);
    void Mark(long long x, long long y) { marked_[size_t(y / Size) * columns_ + size_t(x / Size)] = 1; }
    // Calls visit(left, top, right, bottom) for each run of written tiles along a tile row, in
    // pixels (the last tiles of a row or column may reach past the image).
    template <class Visit>
    void ForEachRun(Visit&& visit) const;

private:
    size_t columns_ = 0, rows_ = 0;
    std::vector<unsigned char> marked_;
};

template <class Visit>
void WrittenTiles::ForEachRun(Visit&& visit) const
{
    for (size_t r = 0; r < rows_; ++r)
        for (size_t c = 0; c < columns_;) {
            if (!marked_[r * columns_ + c]) {
                ++c;
                continue;
            }
            const size_t start = c;
            while (c < columns_ && marked_[r * columns_ + c]) ++c;
            visit(int(start * Size), int(r * Size), int(c * Size), int((r + 1) * Size));
        }
}

// Canvas drawing straight into the pixels of a 32-bit image, without anti-aliasing. The image
// is converted to Format_RGB32 if it has another format. It may be shared or copied while the
// canvas exists: every call detaches it first, so copies never see later drawing.
class ImageCanvas : public Canvas {
public:
    // Columns [left, right) x rows [top, bottom) of the image; nothing when either is empty.
    struct Area {
        int left = 0, top = 0, right = 0, bottom = 0;
    };

    explicit ImageCanvas(QImage& image);

    QImage& Image() { return image_; }
    // Every pixel that the calls on this canvas have written lies within this area, and within
    // the written tiles.
    Area WrittenArea() const { return written_; }
    const WrittenTiles& Tiles() const { return tiles_; }

    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Polygon(const QPolygon& points, TColor fill) override;
    void SetPixel(int x, int y, TColor color) override;
    void SetPixels(const QPoint* points, size_t count, TColor color) override;
    void FillRect(int x1, int y1, int x2, int y2, TColor color) override;
    void Clear(TColor color) override;
    void TextOut(int x, int y, const QString& text) override;

private:
    QImage& image_;
    Area written_;
    WrittenTiles tiles_;
};

enum class CanvasOp {
    Clear,
    SetPenColor,
    SetPenWidth,
    MoveTo,
    LineTo,
    Ellipse,
    Arc,
    Rectangle,
    Polygon,
    SetPixel,
    FillRect,
    SetFontName,
    SetFontSize,
    SetFontBold,
    SetFontColor,
    TextOut,
};

// One recorded call with the drawing state in force when it was made (before its own effect).
struct CanvasCall {
    CanvasOp op = CanvasOp::Clear;
    std::vector<int> args;  // integer arguments in call order (SetFontBold: 0 or 1)
    TColor color = 0;       // colour argument: Clear, SetPixel, FillRect, Polygon fill, colour setters
    QString text;           // TextOut text, SetFontName family
    QPolygon polygon;       // Polygon points
    QPoint from;            // pen position before the call
    TColor penColor = 0;
    int penWidth = 1;
    TColor fontColor = 0;
    int fontSize = 8;
    bool fontBold = false;

    int x() const { return args.empty() ? 0 : args[0]; }
    int y() const { return args.size() < 2 ? 0 : args[1]; }
};

// Canvas for tests: records every call and forwards it to another canvas when one is given.
// Without a target, text is measured with the same glyphs as an image canvas.
class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(Canvas* target = nullptr);

    std::vector<CanvasCall> calls;

    // First TextOut of exactly this text, or null.
    const CanvasCall* FindText(const QString& text) const;
    // Every recorded call of one kind, in order.
    std::vector<const CanvasCall*> Calls(CanvasOp op) const;
    // Texts of every TextOut, in order.
    QStringList Texts() const;

    void SetPenColor(TColor color) override;
    void SetPenWidth(int width) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Polygon(const QPolygon& points, TColor fill) override;
    void SetPixel(int x, int y, TColor color) override;
    void FillRect(int x1, int y1, int x2, int y2, TColor color) override;
    void Clear(TColor color) override;
    void SetFontName(const QString& family) override;
    void SetFontSize(int points) override;
    void SetFontBold(bool bold) override;
    void SetFontColor(TColor color) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;

private:
    CanvasCall& Record(CanvasOp op, std::vector<int> args, TColor color = 0);
    template <class... Params, class... Args>
    void Forward(void (Canvas::*call)(Params...), Args&&... args)
    {
        if (target_)
            (target_->*call)(std::forward<Args>(args)...);
    }

    Canvas* target_;
};

}  // namespace zeph
