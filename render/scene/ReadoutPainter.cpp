// Painting of the readouts over the picture: values, cut-offs, prompts, reference points, dynamic variables, undo line.
#include "render/scene/ReadoutPainter.h"

#include <cmath>

#include "model/linkage/ViewTransform.h"
#include "platform/Colour.h"
#include "platform/NumberText.h"
#include "render/scene/PivotDataPainter.h"
#include "render/text/ReadoutFigures.h"
#include "render/text/TextPlacement.h"

namespace zeph {

namespace {

const QString kRowOfAsterisks = QStringLiteral("*******************************");

class Readouts {
public:
    Readouts(Canvas& c, const MechanismModel& m, TextScale ts) : c_(c), m_(m), ts_(ts) {}
    bool AnyFigureBlanked() const { return figures_.AnyBlanked(); }

    void UndoLine();
    void Values();
    void PivotPrompt();
    void Cutoffs();
    void ReferencePoints();
    void DynamicVariables();

private:
    // Base positions grow with the large font; labels next to pivots do not.
    void Text(int x, int y, const QString& text) { ScaledTextOut(c_, ts_, x, y, text); }
    void ReferenceCross(int pivot, const QString& number);
    QString Figure(double v, int width, int decimals) { return figures_.Text(v, width, decimals); }

    Canvas& c_;
    const MechanismModel& m_;
    TextScale ts_;
    ReadoutFigures figures_;
};

void Readouts::UndoLine()
{
    if (!UndoButtonShown(m_)) return;
    const Real sx = ts_.x;
    const int baseY = m_.DynVarOn ? 128 : 73;
    const UndoLineParts u = m_.Undo.Line();
    QString line = StrI(u.depth, 2) + "- " + QString::fromStdString(u.caption);
    if (u.showsValues) line += " " + Figure(u.newValue, 6, 3) + " to " + Figure(u.oldValue, 6, 3);
    c_.TextOut(RoundInt(sx * 320), RoundInt(sx * baseY), line);
}

void Readouts::Values()
{
    // The bars' labels belong to the strip's rows, not to the spread of the readouts.
    const int labels = ViewBarLabelsLeft(ts_);
    c_.TextOut(labels, 25, "Pan Vert");
    c_.TextOut(labels, 39, "Pan Horz");
    c_.TextOut(labels, 53, "Zoom");
    const PortState& p = m_.Ports;
    struct Value {
        const char* label;
        double value;
        int width, decimals, x, y;
    };
    const Value values[] = {
        {"Rev Arm ", m_.RevArmPosition, 6, 3, 459, 25},
        {"Driv Ang ", m_.DriverAngle, 6, 2, 459, 39},
        {"Step Ang", m_.ChosenStepAngle, 6, 2, 459, 53},
        {"Piston % ", double(p.PistonTravel / 6.4L + 0.00001L), 6, 2, 545, 25},
        {"ValveCen", m_.Levels.ValveTravel, 7, 3, 545, 37},
        {"ValveFSt", p.FrontSteamOpening, 7, 3, 545, 49},
        {"ValveFEx", p.FrontExhaustOpening, 7, 3, 545, 61},
        {"ValveRSt", p.RearSteamOpening, 7, 3, 545, 73},
        {"ValveREx", p.RearExhaustOpening, 7, 3, 545, 85},
        {"RadHagA", double(m_.RadHangerAngle * 180 / Pi), 7, 2, 545, 97},
    };
    for (const Value& v : values) Text(v.x, v.y, v.label + Figure(v.value, v.width, v.decimals) + "  ");
}

void Readouts::PivotPrompt()
{
    c_.SetFontColor(clRed);
    c_.SetFontBold(true);
    // The lines dialog's reference choice says how many pivots it waits for.
    const int reference = m_.LineDialog.ReferenceChoice;
    if (reference == 3) {
        Text(10, 130, "STOP MOTION AND SELECT PIVOT 1 AND PIVOT 2");
        Text(10, 143, "USE LEFT MOUSE BUTTON FIRST THEN RIGHT");
        Text(10, 156, "MOVE MOTION IF NECESSARY TO CLEAR PIVOTS");
    } else if (reference >= 0) {
        Text(10, 130, "STOP MOTION AND SELECT PIVOT 1");
        Text(10, 143, "USE LEFT MOUSE BUTTON");
        Text(10, 156, "MOVE MOTION IF NECESSARY TO CLEAR PIVOT");
    }
    c_.SetFontColor(clBlack);
    c_.SetFontBold(false);
}

void Readouts::Cutoffs()
{
    const CutoffState& cut = m_.Cutoff;
    if (!cut.LabelsShown) return;
    Text(545, 109, "FrontCO% ");
    if (cut.FrontValueShown) Text(600, 109, QString::fromStdString(m_.FrontCutoffText));
    Text(545, 121, "RearCO% ");
    if (cut.RearValueShown) Text(600, 121, QString::fromStdString(m_.RearCutoffText));
}

void Readouts::ReferenceCross(int pivot, const QString& number)
{
    const int x = ScreenX(m_.MappedView, m_.Pivots[pivot].x), y = ScreenY(m_.MappedView, m_.Pivots[pivot].y);
    c_.MoveTo(x, y - 10);
    c_.LineTo(x, y + 10);
    c_.MoveTo(x - 10, y);
    c_.LineTo(x + 10, y);
    c_.TextOut(x + 3, y - 17, number);
}

void Readouts::ReferencePoints()
{
    const Pivot& p1 = m_.Pivots[RefPoint1];
    const Pivot& p2 = m_.Pivots[RefPoint2];
    ReferenceCross(RefPoint2, "2");
    Text(143, 95, "Pt2V " + Figure(p2.y, 6, 3));
    Text(143, 107, "Pt2H " + Figure(p2.x, 6, 3));
    ReferenceCross(RefPoint1, "1");
    Text(143, 71, "Pt1V " + Figure(p1.y, 6, 3));
    Text(143, 83, "Pt1H " + Figure(p1.x, 6, 3));
    const Real dy = Real(p1.y) - p2.y, dx = Real(p1.x) - p2.x;
    Text(210, 71, Figure(double(dy), 6, 3));
    Text(210, 83, Figure(double(dx), 6, 3));
    Text(207, 95, "Pt1-Pt2");
    Text(209, 107, Figure(double(std::sqrt(dx * dx + dy * dy)), 6, 3));
}

void Readouts::DynamicVariables()
{
    if (m_.DynVarSlots[1].name == EmptySlotName()) {
        c_.SetFontColor(clRed);
        Text(377, 71, kRowOfAsterisks);
        Text(377, 81, "* First Select Dimensions *");
        Text(377, 95, kRowOfAsterisks);
        c_.SetFontColor(clBlack);
        return;
    }
    for (int s = 1; s <= 4; ++s) {
        const int y = 71 + 12 * (s - 1);
        Text(377, y, QString::fromStdString(m_.DynVarSlots[s].name));
        Text(498, y, Figure(m_.DynVarSlots[s].value, 6, 3));
    }
}

}  // namespace

bool UndoButtonShown(const MechanismModel& m)
{
    return m.UndoOn && m.ScreenDataOn;
}

int UndoButtonTop(const MechanismModel& m, TextScale ts)
{
    return RoundInt(Real(ts.x) * (m.DynVarOn ? 127 : 72));
}

int ViewBarLabelsLeft(TextScale ts)
{
    constexpr int gearButtonsLeft = 250;  // the separator before the Rev, 180 and 1.0 buttons
    constexpr int labelRoom = 51;         // at the normal font, from the bars' end at 197 + 2
    return RoundInt(gearButtonsLeft - Real(ts.x) * labelRoom);
}

bool DrawReadouts(Canvas& c, const MechanismModel& m, TextScale ts)
{
    Readouts r(c, m, ts);
    r.UndoLine();
    if (!m.ScreenDataOn) return r.AnyFigureBlanked();
    r.Values();
    const bool panelBlanked = m.PivotDataOn && DrawPivotData(c, m, ts);
    if (m.LinePromptOn) r.PivotPrompt();
    r.Cutoffs();
    if (m.RefPointsOn) r.ReferencePoints();
    if (m.DynVarOn) r.DynamicVariables();
    return panelBlanked || r.AnyFigureBlanked();
}

}  // namespace zeph
