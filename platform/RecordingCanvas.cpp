// The recording canvas: a log of drawing calls for tests, optionally drawn through as well.
#include "platform/Canvas.h"

#include <QStringList>

namespace zeph {

RecordingCanvas::RecordingCanvas(Canvas* target) : target_(target) {}

CanvasCall& RecordingCanvas::Record(CanvasOp op, std::vector<int> args, TColor color)
{
    CanvasCall call;
    call.op = op;
    call.args = std::move(args);
    call.color = color;
    call.from = PenPos();
    call.penColor = PenColor();
    call.penWidth = PenWidth();
    call.fontColor = FontColor();
    call.fontSize = FontSize();
    call.fontBold = FontBold();
    calls.push_back(std::move(call));
    return calls.back();
}

const CanvasCall* RecordingCanvas::FindText(const QString& text) const
{
    for (const CanvasCall& call : calls)
        if (call.op == CanvasOp::TextOut && call.text == text)
            return &call;
    return nullptr;
}

std::vector<const CanvasCall*> RecordingCanvas::Calls(CanvasOp op) const
{
    std::vector<const CanvasCall*> found;
    for (const CanvasCall& call : calls)
        if (call.op == op)
            found.push_back(&call);
    return found;
}

QStringList RecordingCanvas::Texts() const
{
    QStringList texts;
    for (const CanvasCall* call : Calls(CanvasOp::TextOut))
        texts << call->text;
    return texts;
}

void RecordingCanvas::SetPenColor(TColor color)
{
    Record(CanvasOp::SetPenColor, {}, color);
    Canvas::SetPenColor(color);
    Forward(&Canvas::SetPenColor, color);
}

void RecordingCanvas::SetPenWidth(int width)
{
    Record(CanvasOp::SetPenWidth, {width});
    Canvas::SetPenWidth(width);
    Forward(&Canvas::SetPenWidth, width);
}

void RecordingCanvas::MoveTo(int x, int y)
{
    Record(CanvasOp::MoveTo, {x, y});
    Canvas::MoveTo(x, y);
    Forward(&Canvas::MoveTo, x, y);
}

void RecordingCanvas::LineTo(int x, int y)
{
    Record(CanvasOp::LineTo, {x, y});
    SetPenPos(QPoint(x, y));
    Forward(&Canvas::LineTo, x, y);
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    Record(CanvasOp::Ellipse, {x1, y1, x2, y2});
    Forward(&Canvas::Ellipse, x1, y1, x2, y2);
}

void RecordingCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Record(CanvasOp::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
    Forward(&Canvas::Arc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Record(CanvasOp::Rectangle, {x1, y1, x2, y2});
    Forward(&Canvas::Rectangle, x1, y1, x2, y2);
}

void RecordingCanvas::Polygon(const QPolygon& points, TColor fill)
{
    Record(CanvasOp::Polygon, {}, fill).polygon = points;
    Forward(&Canvas::Polygon, points, fill);
}

void RecordingCanvas::SetPixel(int x, int y, TColor color)
{
    Record(CanvasOp::SetPixel, {x, y}, color);
    Forward(&Canvas::SetPixel, x, y, color);
}

void RecordingCanvas::FillRect(int x1, int y1, int x2, int y2, TColor color)
{
    Record(CanvasOp::FillRect, {x1, y1, x2, y2}, color);
    Forward(&Canvas::FillRect, x1, y1, x2, y2, color);
}

void RecordingCanvas::Clear(TColor color)
{
    Record(CanvasOp::Clear, {}, color);
    Forward(&Canvas::Clear, color);
}

void RecordingCanvas::SetFontName(const QString& family)
{
    Record(CanvasOp::SetFontName, {}).text = family;
    Canvas::SetFontName(family);
    Forward(&Canvas::SetFontName, family);
}

void RecordingCanvas::SetFontSize(int points)
{
    Record(CanvasOp::SetFontSize, {points});
    Canvas::SetFontSize(points);
    Forward(&Canvas::SetFontSize, points);
}

void RecordingCanvas::SetFontBold(bool bold)
{
    Record(CanvasOp::SetFontBold, {bold ? 1 : 0});
    Canvas::SetFontBold(bold);
    Forward(&Canvas::SetFontBold, bold);
}

void RecordingCanvas::SetFontColor(TColor color)
{
    Record(CanvasOp::SetFontColor, {}, color);
    Canvas::SetFontColor(color);
    Forward(&Canvas::SetFontColor, color);
}

void RecordingCanvas::TextOut(int x, int y, const QString& text)
{
    Record(CanvasOp::TextOut, {x, y}).text = text;
    Forward(&Canvas::TextOut, x, y, text);
}

int RecordingCanvas::TextWidth(const QString& text)
{
    return target_ ? target_->TextWidth(text) : Canvas::TextWidth(text);
}

int RecordingCanvas::TextHeight(const QString& text)
{
    return target_ ? target_->TextHeight(text) : Canvas::TextHeight(text);
}

}  // namespace zeph
