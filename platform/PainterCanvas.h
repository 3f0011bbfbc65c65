// Canvas drawing as vectors through a QPainter, for PDF, SVG and the printer.
#pragma once

#include <QPainter>
#include <QSize>

#include "platform/Canvas.h"

namespace zeph {

// The same drawing as the image canvas, in the same pixel coordinates, as strokes, fills and
// real text on any paint device (a PDF writer, an SVG generator, a printer). The painter's
// transform maps the surface's pixels onto the device; the canvas clips to the surface.
//
// A pixel figure covers pixel centres, so every stroke runs through them: a line from (x0, y0)
// to (x1, y1) is a stroke from (x0 + 0.5, y0 + 0.5) to (x1 + 0.5, y1 + 0.5), shifted half a pixel
// further right and down for an even pen width, which the image canvas grows that way. Pens of
// 2 pixels and more keep their width; a 1-pixel pen strokes ThinLineWidth pixels, so that thin
// lines stay thin on paper beside the heavy ones. Text is measured by the glyphs of the image
// canvas (so a painter lays it out alike) and drawn as text of the same font.
class PainterCanvas : public Canvas {
public:
    static constexpr double ThinLineWidth = 0.7;

    // Draws with `painter` on the surface of `size` pixels; the painter's state is restored when
    // the canvas goes.
    PainterCanvas(QPainter& painter, QSize size);
    ~PainterCanvas() override;

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
    // Pen stroke of the current colour and width, without a brush.
    void UseStroke();
    // Offset of a stroke's centre line from a pixel's top-left corner.
    double Centre() const;
    // Whether a box of pixels can show anything on the surface with the current pen.
    bool Reaches(double left, double top, double right, double bottom) const;

    QPainter& painter_;
    QSize size_;
};

}  // namespace zeph
