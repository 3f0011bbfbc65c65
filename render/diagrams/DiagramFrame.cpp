// Shared parts of the diagram pictures: texts, grids, the position list and the frame end.
#include "render/diagrams/DiagramFrame.h"

#include "model/linkage/ViewTransform.h"
#include "platform/NumberText.h"
#include "render/text/ReadoutFigures.h"

namespace zeph {

namespace {

const QString kAsterisks(31, QLatin1Char('*'));
constexpr int UndoLinePadding = 46;

void FillSlots(Canvas& c, const MechanismModel& m, TextScale ts)
{
    const int x = Scaled(ts.x, 235), valueX = Scaled(ts.x, 363);
    for (int s = 1; s <= 4; ++s) {
        const int y = s == 1 ? 2 : Scaled(ts.y, 14 + 12 * (s - 2));
        DiagramText(c, x, y, QString::fromStdString(m.DynVarSlots[s].name));
        DiagramText(c, valueX, y, ReadoutFigure(m.DynVarSlots[s].value, 6, 3));
    }
}

void AskForDimensions(Canvas& c, TextScale ts)
{
    const int x = Scaled(ts.x, 235);
    c.SetFontColor(clRed);
    DiagramText(c, x, 2, kAsterisks);
    DiagramText(c, x, Scaled(ts.y, 12), "* First Select Dimensions *");
    DiagramText(c, x, Scaled(ts.y, 26), kAsterisks);
    c.SetFontColor(clBlack);
}

void DynamicVariableBlock(Canvas& c, const MechanismModel& m, TextScale ts, DiagramFrameState& state)
{
    state.dynVarBarsVisible = m.DynVarOn;
    if (!m.DynVarOn) return;
    if (m.DynVarSlots[1].name != EmptySlotName())
        FillSlots(c, m, ts);
    else
        AskForDimensions(c, ts);
    std::array<bool, 4> enabled{};
    for (int s = 1; s <= 4; ++s) enabled[s - 1] = m.DynVarSlots[s].name != EmptySlotName();
    state.dynVarBarsEnabled = enabled;
}

void UndoLine(Canvas& c, const MechanismModel& m, TextScale ts, const QString& stored, DiagramFrameState& state)
{
    state.undoButtonVisible = m.UndoOn;
    state.undoLine = stored;
    if (!m.UndoOn) return;
    const int x = Scaled(ts.x, 150), y = Scaled(ts.y, 55);
    DiagramText(c, x, y, stored);
    state.undoLine = DiagramUndoLine(m);
    if (m.DynVarOn) DiagramText(c, x, y, state.undoLine);
}

}  // namespace

void BeginDiagram(Canvas& c)
{
    c.SetPenWidth(1);
    c.SetPenColor(clBlack);
    c.SetFontName(DiagramFontFamily);
    c.SetFontSize(DiagramFontPoints);
    c.SetFontBold(false);
    c.SetFontColor(clBlack);
}

void EraseDiagram(Canvas& c) { c.Clear(clWhite); }

void DiagramText(Canvas& c, int x, int y, const QString& text)
{
    if (text.isEmpty()) return;
    c.FillRect(x, y, x + c.TextWidth(text), y + c.TextHeight(text), clWhite);
    c.TextOut(x, y, text);
}

void BoldDiagramText(Canvas& c, int x, int y, const QString& text)
{
    c.SetFontBold(true);
    DiagramText(c, x, y, text);
    c.SetFontBold(false);
}

int Scaled(float factor, int position) { return RoundInt(Real(factor) * position); }

void VerticalLine(Canvas& c, int x, int y1, int y2)
{
    c.MoveTo(x, y1);
    c.LineTo(x, y2);
}

void HorizontalLine(Canvas& c, int y, int x1, int x2)
{
    c.MoveTo(x1, y);
    c.LineTo(x2, y);
}

void DrawStrokeGrid(Canvas& c, int endTop)
{
    for (int i = 1; i <= 9; ++i) {
        const int yc = 32 * i + 55;
        for (int j = 2; j <= 20; ++j) VerticalLine(c, 27 * j + 17, yc - 3, yc + 3);
        for (int k = 2; k <= 10; ++k) VerticalLine(c, 54 * k - 10, yc - 5, yc + 5);
    }
    VerticalLine(c, 44, endTop, 346);
    VerticalLine(c, 584, endTop, 346);
}

void DrawStrokePercentLabels(Canvas& c, int y, int titleY)
{
    DiagramText(c, 45, y, "100");
    for (int t = 9; t >= 1; --t) DiagramText(c, 91 + 54 * (9 - t), y, QString::number(10 * t));
    DiagramText(c, 577, 348, "0");
    DiagramText(c, 186, titleY, "Percent Piston Travel");
    DiagramText(c, 386, titleY, "Forward End --->");
}

void DrawPositionListHeading(Canvas& c, TextScale ts, float revArmCentre)
{
    DiagramText(c, Scaled(ts.x, 500), 0, "Reverse Arm Positions");
    DiagramText(c, Scaled(ts.x, 520), 13, "Center");
    DiagramText(c, Scaled(ts.x, 580), 13, ReadoutFigure(revArmCentre, 6, 3));
}

int32_t PositionListRowY(TextScale ts, int index) { return RoundInt(12 * index * Real(ts.y)) + 12; }

void DrawPositionListRow(Canvas& c, TextScale ts, const ListEntry& entry)
{
    const int y = PositionListRowY(ts, entry.index);
    DiagramText(c, Scaled(ts.x, 545), y, StrI(entry.index, 5));
    DiagramText(c, Scaled(ts.x, 580), y, ReadoutFigure(entry.revArm, 6, 3));
    DiagramText(c, Scaled(ts.x, 533), y, SideText(entry.side));
}

QString DiagramUndoLine(const MechanismModel& m)
{
    const UndoLineParts u = m.Undo.Line();
    QString line = StrI(u.depth, 2) + "- " + QString::fromStdString(u.caption);
    if (u.showsValues) line += " " + ReadoutFigure(u.newValue, 6, 3) + " to " + ReadoutFigure(u.oldValue, 6, 3);
    return line + QString(UndoLinePadding, QLatin1Char(' '));
}

DiagramFrameState DrawDiagramFrameEnd(Canvas& c, const MechanismModel& m, TextScale ts, const QString& storedUndoLine)
{
    DiagramFrameState state;
    DynamicVariableBlock(c, m, ts, state);
    UndoLine(c, m, ts, storedUndoLine, state);
    return state;
}

}  // namespace zeph
