// Vector drawing of the canvas primitives through QPainter, on pixel centres.
#include "platform/PainterCanvas.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/GlyphFont.h"

namespace zeph {

namespace {

struct Box {
    double left, top, right, bottom;
};

Box Normalised(int x1, int y1, int x2, int y2)
{
    return {double(std::min(x1, x2)), double(std::min(y1, y2)), double(std::max(x1, x2)), double(std::max(y1, y2))};
}

// The part of the segment a-b inside the box, or nothing (Liang and Barsky's clipping), so that
// a line far off the surface never writes huge coordinates into the file.
bool ClipSegment(QPointF& a, QPointF& b, const Box& box)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double enter = 0, leave = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left, box.right - a.x(), a.y() - box.top, box.bottom - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave) return false;
    const QPointF start = a;
    a = start + QPointF(dx, dy) * enter;
    b = start + QPointF(dx, dy) * leave;
    return true;
}

// Angle in degrees, counter-clockwise on screen, of the ellipse's own parameter at the point
// where the radial from the centre in direction (dx, dy) (screen y downwards) meets it: Qt's arcs
// take the parameter, which differs from the radial's angle on an ellipse that is not a circle.
double ParameterAngle(double dx, double dy, double rx, double ry)
{
    if (rx <= 0 || ry <= 0) return std::atan2(-dy, dx) * 180 / std::numbers::pi;
    return std::atan2(-dy * rx, dx * ry) * 180 / std::numbers::pi;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QSize size) : painter_(painter), size_(size)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setClipRect(QRectF(0, 0, size_.width(), size_.height()), Qt::IntersectClip);
}

PainterCanvas::~PainterCanvas() { painter_.restore(); }

double PainterCanvas::Centre() const { return PenWidth() % 2 == 0 ? 1.0 : 0.5; }

void PainterCanvas::UseStroke()
{
    QPen pen{QColor(ToQRgb(PenColor()))};
    pen.setWidthF(PenWidth() == 1 ? ThinLineWidth : PenWidth());
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

bool PainterCanvas::Reaches(double left, double top, double right, double bottom) const
{
    const double reach = PenWidth() + 1;
    return right + reach >= 0 && bottom + reach >= 0 && left - reach <= size_.width() && top - reach <= size_.height();
}

void PainterCanvas::LineTo(int x, int y)
{
    const double c = Centre(), reach = PenWidth() + 1;
    QPointF a(PenPos().x() + c, PenPos().y() + c), b(x + c, y + c);
    SetPenPos(QPoint(x, y));
    if (a == b) return;
    if (!ClipSegment(a, b, {-reach, -reach, size_.width() + reach, size_.height() + reach})) return;
    UseStroke();
    painter_.drawLine(a, b);
}

void PainterCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const Box b = Normalised(x1, y1, x2, y2);
    if (b.left == b.right || b.top == b.bottom || !Reaches(b.left, b.top, b.right, b.bottom)) return;
    const double c = Centre();
    UseStroke();
    painter_.drawEllipse(QRectF(b.left + c, b.top + c, b.right - b.left - 1, b.bottom - b.top - 1));
}

void PainterCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const Box b = Normalised(x1, y1, x2, y2);
    if (b.left == b.right || b.top == b.bottom || !Reaches(b.left, b.top, b.right, b.bottom)) return;
    // Radials from the box centre through the two pixels' centres, as the image canvas takes them.
    const double cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    const double sx = x3 + 0.5 - cx, sy = y3 + 0.5 - cy, ex = x4 + 0.5 - cx, ey = y4 + 0.5 - cy;
    const double rx = (b.right - b.left - 1) / 2, ry = (b.bottom - b.top - 1) / 2;
    const double start = ParameterAngle(sx, sy, rx, ry);
    const bool sameDirection = sx * ey - sy * ex == 0 && sx * ex + sy * ey > 0;
    double span = sameDirection ? 360 : ParameterAngle(ex, ey, rx, ry) - start;
    if (span <= 0) span += 360;
    const double c = Centre();
    const QRectF box(b.left + c, b.top + c, b.right - b.left - 1, b.bottom - b.top - 1);
    QPainterPath path;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, span);
    UseStroke();
    painter_.drawPath(path);
}

void PainterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const Box b = Normalised(x1, y1, x2, y2);
    if (b.left == b.right || b.top == b.bottom || !Reaches(b.left, b.top, b.right, b.bottom)) return;
    const double c = Centre();
    UseStroke();
    QPen pen = painter_.pen();
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.drawRect(QRectF(b.left + c, b.top + c, b.right - b.left - 1, b.bottom - b.top - 1));
}

void PainterCanvas::Polygon(const QPolygon& points, TColor fill)
{
    if (points.size() < 2) return;
    const QRect bounds = points.boundingRect();
    if (!Reaches(bounds.left(), bounds.top(), bounds.right(), bounds.bottom())) return;
    QPainterPath area;
    area.setFillRule(Qt::OddEvenFill);
    area.addPolygon(QPolygonF(points).translated(0.5, 0.5));
    area.closeSubpath();
    painter_.fillPath(area, QColor(ToQRgb(fill)));
    const double c = Centre();
    QPolygonF outline = QPolygonF(points).translated(c, c);
    UseStroke();
    painter_.drawPolygon(outline);
}

void PainterCanvas::SetPixel(int x, int y, TColor color)
{
    const QPoint point(x, y);
    SetPixels(&point, 1, color);
}

void PainterCanvas::SetPixels(const QPoint* points, size_t count, TColor color)
{
    QPainterPath dots;
    for (size_t i = 0; i < count; ++i) {
        const QPoint& p = points[i];
        if (p.x() < 0 || p.y() < 0 || p.x() >= size_.width() || p.y() >= size_.height()) continue;
        dots.addRect(QRectF(p.x(), p.y(), 1, 1));
    }
    if (!dots.isEmpty()) painter_.fillPath(dots, QColor(ToQRgb(color)));
}

void PainterCanvas::FillRect(int x1, int y1, int x2, int y2, TColor color)
{
    Box b = Normalised(x1, y1, x2, y2);
    b = {std::max(b.left, -1.0), std::max(b.top, -1.0), std::min(b.right, size_.width() + 1.0),
         std::min(b.bottom, size_.height() + 1.0)};
    if (b.left >= b.right || b.top >= b.bottom) return;
    painter_.fillRect(QRectF(b.left, b.top, b.right - b.left, b.bottom - b.top), QColor(ToQRgb(color)));
}

void PainterCanvas::Clear(TColor color)
{
    painter_.fillRect(QRectF(0, 0, size_.width(), size_.height()), QColor(ToQRgb(color)));
}

void PainterCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty() || x > size_.width() || y > size_.height()) return;
    GlyphFont& glyphs = Glyphs();
    if (y + glyphs.Height() < 0) return;
    QFont font = glyphs.Font();
    font.setStyleStrategy(QFont::PreferDefault);
    font.setKerning(false);
    painter_.setFont(font);
    painter_.setPen(QColor(ToQRgb(FontColor())));
    painter_.drawText(QPointF(x, y + glyphs.Ascent()), text);
}

}  // namespace zeph
