// Tool-bar pictures of the main window and the menu-bar warning sign.
#include "ui/main/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <iterator>
#include <numbers>

namespace zeph {

namespace {

// Every picture is drawn in pixel coordinates of its own canvas, origin top left.
const QColor kInk(40, 40, 40);
const QColor kSteel(74, 111, 165);
const QColor kRed(200, 30, 30);
const QColor kTeal(0, 128, 128);

using DrawFn = void (*)(QPainter&);

QPixmap Canvas(int size, DrawFn draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

void SetPen(QPainter& p, const QColor& colour, qreal width = 1.0)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void FilledShape(QPainter& p, const QPolygonF& shape, const QColor& fill, const QColor& outline)
{
    SetPen(p, outline);
    p.setBrush(fill);
    p.drawPolygon(shape);
    p.setBrush(Qt::NoBrush);
}

// A pin joint: a small white disc with a dark rim.
void Pivot(QPainter& p, QPointF centre, qreal radius = 1.8)
{
    SetPen(p, kInk);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
}

// A filled arrow head whose tip is at `tip`, pointing along `direction` (need not be unit).
void ArrowHead(QPainter& p, QPointF tip, QPointF direction, const QColor& colour)
{
    const qreal length = std::hypot(direction.x(), direction.y());
    const QPointF along = direction / length * 3.5;
    const QPointF across(-along.y() * 0.7, along.x() * 0.7);
    SetPen(p, colour, 0.8);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, tip - along + across, tip - along - across}));
    p.setBrush(Qt::NoBrush);
}

// The digits 1 and 2 as strokes in a 3 x 5 box at `topLeft`; no font is needed, so the
// icons look the same on every system.
void Digit(QPainter& p, int digit, QPointF topLeft, const QColor& colour)
{
    const QPolygonF one({{0.8, 1.0}, {2.0, 0.0}, {2.0, 5.0}});
    const QPolygonF two({{0.0, 1.0}, {0.8, 0.0}, {2.2, 0.0}, {3.0, 1.0}, {3.0, 2.0}, {0.0, 5.0}, {3.0, 5.0}});
    SetPen(p, colour, 1.1);
    p.drawPolyline((digit == 1 ? one : two).translated(topLeft));
}

// Axes of a diagram: an upright axis at the left and a horizontal one at height `baseY`.
void Axes(QPainter& p, qreal baseY)
{
    SetPen(p, kInk);
    p.drawLine(QPointF(2.5, 2), QPointF(2.5, 18));
    p.drawLine(QPointF(2.5, baseY), QPointF(18.5, baseY));
}

// Point on a circle; angles in degrees, counter-clockwise on the screen.
QPointF OnCircle(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

// An arc with an arrow head at its end, drawn counter-clockwise from `from` through `span` degrees
// (negative spans run clockwise).
void ArcArrow(QPainter& p, QPointF centre, qreal radius, qreal from, qreal span, const QColor& colour)
{
    SetPen(p, colour, 1.4);
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, qRound(from * 16), qRound(span * 16));
    const qreal end = from + span;
    const qreal a = end * std::numbers::pi / 180.0;
    const qreal sense = span >= 0 ? 1.0 : -1.0;
    const QPointF tangent(-std::sin(a) * sense, -std::cos(a) * sense);
    ArrowHead(p, OnCircle(centre, radius, end) + tangent * 1.5, tangent, colour);
}

// 1: an open folder.
void DrawOpenFolder(QPainter& p)
{
    const QColor outline(110, 80, 20);
    FilledShape(p, QPolygonF({{1.5, 4.5}, {7, 4.5}, {9, 6.5}, {16.5, 6.5}, {16.5, 16.5}, {1.5, 16.5}}),
                QColor(200, 155, 45), outline);
    FilledShape(p, QPolygonF({{4.5, 9.5}, {19, 9.5}, {16.5, 16.5}, {1.5, 16.5}}), QColor(245, 205, 85), outline);
}

// 2: a floppy disk.
void DrawDisk(QPainter& p)
{
    FilledShape(p, QPolygonF({{2.5, 2.5}, {15, 2.5}, {17.5, 5}, {17.5, 17.5}, {2.5, 17.5}}), QColor(45, 75, 155),
                QColor(20, 35, 80));
    FilledShape(p, QPolygonF(QRectF(6, 2.5, 8, 5)), QColor(200, 200, 200), QColor(20, 35, 80));
    p.fillRect(QRectF(11, 3.5, 2, 3), QColor(20, 35, 80));
    FilledShape(p, QPolygonF(QRectF(5, 11, 10, 6.5)), Qt::white, QColor(20, 35, 80));
    SetPen(p, kSteel);
    p.drawLine(QPointF(6.5, 13.5), QPointF(13.5, 13.5));
    p.drawLine(QPointF(6.5, 15.5), QPointF(13.5, 15.5));
}

// 4: a graduated rule under a jointed linkage.
void DrawFrameDims(QPainter& p)
{
    FilledShape(p, QPolygonF(QRectF(1.5, 13.5, 17, 5)), QColor(235, 210, 130), QColor(120, 90, 30));
    SetPen(p, kInk);
    for (int i = 0; i <= 7; ++i) {
        const qreal x = 3.5 + 2 * i;
        p.drawLine(QPointF(x, 13.5), QPointF(x, i % 2 ? 15.0 : 16.5));
    }
    const QPointF a(3, 9), b(10, 3.5), c(17, 9);
    SetPen(p, kSteel, 2.0);
    p.drawLine(a, b);
    p.drawLine(b, c);
    Pivot(p, a);
    Pivot(p, b);
    Pivot(p, c);
}

// 5: a cylinder in section with its piston and piston rod.
void DrawCylinder(QPainter& p)
{
    FilledShape(p, QPolygonF(QRectF(6.5, 3.5, 12, 13)), QColor(190, 190, 190), kInk);
    FilledShape(p, QPolygonF(QRectF(7.5, 5.5, 10, 9)), Qt::white, QColor(120, 120, 120));
    SetPen(p, kInk, 2.0);
    p.drawLine(QPointF(1.5, 10), QPointF(12, 10));
    FilledShape(p, QPolygonF(QRectF(11.5, 5.5, 3, 9)), kSteel, kInk);
    FilledShape(p, QPolygonF(QRectF(0.5, 8, 3, 4)), QColor(120, 120, 120), kInk);
}

// 6: a driving wheel with its crank and the angle it has turned (clockwise) from the dead centre.
void DrawDriverAngle(QPainter& p)
{
    const QPointF centre(10, 10);
    SetPen(p, kInk, 1.5);
    p.drawEllipse(centre, 8.5, 8.5);
    SetPen(p, kRed);
    p.setBrush(QColor(250, 170, 170));
    p.drawPie(QRectF(centre - QPointF(5.5, 5.5), QSizeF(11, 11)), 0, -110 * 16);
    p.setBrush(Qt::NoBrush);
    const QPointF pin = OnCircle(centre, 6.5, -110);
    SetPen(p, kInk, 2.2);
    p.drawLine(centre, pin);
    Pivot(p, pin, 1.6);
    Pivot(p, centre, 1.3);
}

// 7: a narrow angle wedge with an arrow across it.
void DrawStepAngle(QPainter& p)
{
    const QPointF vertex(2, 17.5);
    const QPointF tipA = OnCircle(vertex, 16.5, 0), tipB = OnCircle(vertex, 16.5, 25);
    FilledShape(p, QPolygonF({vertex, tipA, tipB}), QColor(250, 215, 160), kInk);
    ArcArrow(p, vertex, 12.5, -3, 36, kRed);
}

// A reverse arm pivoted at the bottom, with its handle knob.
void Lever(QPainter& p, QPointF pivot, QPointF top)
{
    SetPen(p, kInk, 2.4);
    p.drawLine(pivot, top);
    SetPen(p, kInk);
    p.setBrush(kRed);
    p.drawEllipse(top, 1.8, 1.8);
    p.setBrush(Qt::NoBrush);
    Pivot(p, pivot, 2.0);
}

// 8: the reverse arm leaning over, with an arrow along its swing.
void DrawReverseArm(QPainter& p)
{
    Lever(p, QPointF(10, 16.5), QPointF(5.5, 6.5));
    ArcArrow(p, QPointF(10, 16.5), 13.5, 125, -65, kTeal);
}

// 9: the reverse arm upright in mid gear, with a C for centre.
void DrawMidGear(QPainter& p)
{
    Lever(p, QPointF(6.5, 16.5), QPointF(6.5, 4.5));
    SetPen(p, kRed, 1.8);
    p.drawArc(QRectF(11.5, 4, 6.5, 8), 50 * 16, 260 * 16);
    SetPen(p, kInk);
    p.drawLine(QPointF(2, 18.5), QPointF(11, 18.5));
}

// 10: puffs of exhaust steam with coloured steam dots.
void DrawSteam(QPainter& p)
{
    SetPen(p, QColor(110, 110, 110));
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(QRectF(2, 10, 8, 8));
    p.drawEllipse(QRectF(11, 9, 7, 7));
    p.drawEllipse(QRectF(6, 4, 9, 9));
    p.setBrush(Qt::NoBrush);
    const struct {
        QPointF at;
        QColor colour;
    } dots[] = {{{3, 4}, Qt::red}, {{17, 4}, Qt::blue}, {{9, 15}, Qt::magenta}, {{15, 18}, Qt::red},
                {{4, 8}, Qt::blue}, {{11, 2}, Qt::magenta}};
    p.setPen(Qt::NoPen);
    for (const auto& dot : dots) {
        p.setBrush(dot.colour);
        p.drawEllipse(dot.at, 1.1, 1.1);
    }
    p.setBrush(Qt::NoBrush);
}

void Crosshair(QPainter& p, QPointF centre)
{
    SetPen(p, kInk, 1.2);
    p.drawLine(centre - QPointF(4, 0), centre + QPointF(4, 0));
    p.drawLine(centre - QPointF(0, 4), centre + QPointF(0, 4));
}

// 11: the two reference points as crosshairs marked 1 and 2.
void DrawRefPoints(QPainter& p)
{
    Crosshair(p, QPointF(5.5, 13.5));
    Crosshair(p, QPointF(14.5, 13.5));
    Digit(p, 1, QPointF(6.5, 2.5), kRed);
    Digit(p, 2, QPointF(15.5, 2.5), kRed);
}

// 23: a straight line and a circle.
void DrawLinesCircles(QPainter& p)
{
    SetPen(p, Qt::blue, 1.5);
    p.drawEllipse(QPointF(12, 12), 5.5, 5.5);
    SetPen(p, kRed, 1.8);
    p.drawLine(QPointF(2, 17.5), QPointF(17.5, 2));
}

// 24: a link between two pivots, numbered as in the pivot data panel.
void DrawPivotData(QPainter& p)
{
    const QPointF first(4.5, 5.5), second(15, 14.5);
    SetPen(p, QColor(120, 120, 120), 2.4);
    p.drawLine(first, second);
    Pivot(p, first, 2.4);
    Pivot(p, second, 2.4);
    Digit(p, 1, QPointF(1.5, 11.5), kRed);
    Digit(p, 2, QPointF(14.5, 1.5), kRed);
}

// One small horizontal scroll bar: arrow buttons at both ends and the thumb in the middle.
void ScrollBar(QPainter& p, qreal top)
{
    FilledShape(p, QPolygonF(QRectF(1.5, top, 17, 6)), QColor(225, 225, 225), kInk);
    FilledShape(p, QPolygonF(QRectF(8, top, 4, 6)), QColor(150, 150, 150), kInk);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const qreal mid = top + 3;
    p.drawPolygon(QPolygonF({{2.5, mid}, {5.5, mid - 2}, {5.5, mid + 2}}));
    p.drawPolygon(QPolygonF({{17.5, mid}, {14.5, mid - 2}, {14.5, mid + 2}}));
    p.setBrush(Qt::NoBrush);
}

// 12: two of the dynamic-variable scroll bars.
void DrawDynVars(QPainter& p)
{
    ScrollBar(p, 3.5);
    ScrollBar(p, 11.5);
}

// 3: a curved arrow turning back on itself.
void DrawUndo(QPainter& p)
{
    ArcArrow(p, QPointF(11, 10.5), 6, -90, 245, kSteel);
}

// 13: a sine wave on its axes.
void DrawSine(QPainter& p)
{
    Axes(p, 10.5);
    QPolygonF wave;
    for (int i = 0; i <= 32; ++i) {
        const qreal x = 2.5 + i * 0.5;
        wave << QPointF(x, 10.5 - 6.5 * std::sin(2 * std::numbers::pi * i / 32.0));
    }
    SetPen(p, Qt::blue, 1.5);
    p.drawPolyline(wave);
}

// 14: a tilted oval on its axes.
void DrawOval(QPainter& p)
{
    Axes(p, 10.5);
    SetPen(p, QColor(0, 128, 0), 1.5);
    p.save();
    p.translate(10.5, 10.5);
    p.rotate(-25);
    p.drawEllipse(QPointF(0, 0), 7.5, 4);
    p.restore();
}

// 15: an indicator diagram: admission, expansion, release, exhaust and compression.
void DrawSteamLoop(QPainter& p)
{
    Axes(p, 18.5);
    QPainterPath loop(QPointF(4.5, 3.5));
    loop.lineTo(9, 3.5);
    loop.cubicTo(11, 9, 13.5, 11, 17.5, 12);
    loop.lineTo(17.5, 15.5);
    loop.lineTo(7, 15.5);
    loop.cubicTo(4.5, 15, 4.5, 10, 4.5, 3.5);
    SetPen(p, kRed, 1.3);
    p.setBrush(QColor(250, 200, 200));
    p.drawPath(loop);
    p.setBrush(Qt::NoBrush);
}

void PointTrace(QPainter& p, const QPolygonF& points, const QColor& colour)
{
    SetPen(p, colour, 1.2);
    p.drawPolyline(points);
    p.setBrush(colour);
    for (const QPointF& point : points) p.drawEllipse(point, 1.0, 1.0);
    p.setBrush(Qt::NoBrush);
}

// 16: port events plotted row by row against the reverse-arm setting.
void DrawPortEvents(QPainter& p)
{
    Axes(p, 18.5);
    PointTrace(p, QPolygonF({{5, 16}, {7, 12.5}, {8.5, 9}, {9.5, 6}, {10.5, 3}}), kTeal);
    PointTrace(p, QPolygonF({{17, 16}, {15, 12.5}, {14, 9}, {14, 6}, {15, 3}}), kRed);
}

// 16 x 16 warning sign: yellow triangle, black exclamation mark.
void DrawWarning(QPainter& p)
{
    FilledShape(p, QPolygonF({{8, 1}, {15.3, 14.5}, {0.7, 14.5}}), QColor(255, 215, 0), Qt::black);
    SetPen(p, Qt::black, 2.0);
    p.drawLine(QPointF(8, 5.5), QPointF(8, 9.5));
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8, 12.2), 1.1, 1.1);
}

// In the order of ToolPicture.
constexpr DrawFn kPictures[] = {DrawOpenFolder, DrawDisk,       DrawFrameDims, DrawCylinder,   DrawDriverAngle,
                                DrawStepAngle,  DrawReverseArm, DrawMidGear,   DrawSteam,      DrawRefPoints,
                                DrawLinesCircles, DrawPivotData, DrawDynVars,  DrawUndo,       DrawSine,
                                DrawOval,       DrawSteamLoop,  DrawPortEvents};
static_assert(std::size(kPictures) == static_cast<size_t>(ToolPicture::PortEvents) + 1);

}  // namespace

QIcon DrawToolIcon(ToolPicture picture)
{
    return QIcon(Canvas(ToolIconSize, kPictures[static_cast<size_t>(picture)]));
}

QPixmap WarningPicture()
{
    return Canvas(16, DrawWarning);
}

}  // namespace zeph
