// Window captions, the numeric readouts, the error indicator, cut-offs and the panels' texts.
#include "main/Readouts.h"

#include <cmath>

#include "model/ViewTransform.h"
#include "platform/Clock.h"
#include "platform/Colour.h"
#include "platform/NumberText.h"

namespace zeph {

namespace {

const QString kRowOfAsterisks = QStringLiteral("*******************************");

}  // namespace

QString WindowCaption(const MechanismModel& m, const QString& title)
{
    return title + QString::fromStdString(m.DimSetName) + "     " + ShortDateText() + "   " + LongTimeText() +
           "   " + "Version 2.6";
}

Readouts::Readouts(MechanismModel& model, SoundSink& sound) : m(model), sound_(sound) {}

void Readouts::DrawCaptions()
{
    if (hooks_.setMainCaption) hooks_.setMainCaption(WindowCaption(m, MainWindowTitle));
    for (const auto& caption : extraCaptions_) caption();
}

void Readouts::AddCaption(std::function<void()> setCaption)
{
    extraCaptions_.push_back(std::move(setCaption));
}

// Base positions grow with the large font; labels next to pivots do not.
void Readouts::Text(Canvas& c, int x, int y, const QString& text)
{
    c.TextOut(RoundInt(Real(m.TextScaleX) * x), RoundInt(Real(m.TextScaleY) * y), text);
}

void Readouts::DrawReadouts(Canvas& c)
{
    UndoLine(c);
    if (!m.ScreenDataOn) return;
    Values(c);
    ErrorIndicator();
    if (m.LinePromptOn) PivotPrompt(c);
    Cutoffs(c);
    if (m.RefPointsOn) ReferencePoints(c);
    if (m.DynVarOn) DynamicVariables(c);
}

void Readouts::UndoLine(Canvas& c)
{
    const bool shown = m.UndoOn && m.ScreenDataOn;
    const Real sx = m.TextScaleX;
    const int baseY = m.DynVarOn ? 128 : 73;
    const int top = RoundInt(sx * (m.DynVarOn ? 127 : 72));
    if (hooks_.placeUndoButton) hooks_.placeUndoButton(shown, top);
    if (!shown) return;
    const UndoEntry& e = m.UndoStack[1];
    const QString line = StrI(m.UndoDepth, 2) + "- " + QString::fromStdString(e.name) + " " + StrF(e.newValue, 6, 3) +
                         " to " + StrF(e.oldValue, 6, 3);
    c.TextOut(RoundInt(sx * 320), RoundInt(sx * baseY), line);
}

void Readouts::Values(Canvas& c)
{
    Text(c, 199, 25, "Pan Vert");
    Text(c, 199, 39, "Pan Horz");
    Text(c, 199, 53, "Zoom");
    const PortState& p = m.Ports;
    struct Value {
        const char* label;
        double value;
        int width, decimals, x, y;
    };
    const Value values[] = {
        {"Rev Arm ", m.RevArmPosition, 6, 3, 459, 25},
        {"Driv Ang ", m.DriverAngle, 6, 2, 459, 39},
        {"Step Ang", m.ChosenStepAngle, 6, 2, 459, 53},
        {"Piston % ", double(p.PistonTravel / 6.4L + 0.00001L), 6, 2, 545, 25},
        {"ValveCen", m.Levels.ValveTravel, 7, 3, 545, 37},
        {"ValveFSt", p.FrontSteamOpening, 7, 3, 545, 49},
        {"ValveFEx", p.FrontExhaustOpening, 7, 3, 545, 61},
        {"ValveRSt", p.RearSteamOpening, 7, 3, 545, 73},
        {"ValveREx", p.RearExhaustOpening, 7, 3, 545, 85},
        {"RadHagA", double(m.RadHangerAngle * 180 / Pi), 7, 2, 545, 97},
    };
    for (const Value& v : values) Text(c, v.x, v.y, v.label + StrF(v.value, v.width, v.decimals) + "  ");
}

// A linkage that cannot close flashes the warning icon for nine ticks, then plays the error
// sound, and is forgotten after twenty ticks unless the solver raises it again.
void Readouts::ErrorIndicator()
{
    if (!m.MechanismError) return;
    ++ErrorTicks;
    if (ErrorTicks < 10 && hooks_.showErrorIcon) hooks_.showErrorIcon(true);
    if (ErrorTicks == 10) {
        if (hooks_.showErrorIcon) hooks_.showErrorIcon(false);
        sound_.PlayAsync("Error.wav");
    }
    if (ErrorTicks > 20) {
        ErrorTicks = 0;
        m.MechanismError = false;
    }
}

void Readouts::PivotPrompt(Canvas& c)
{
    c.SetFontColor(clRed);
    c.SetFontBold(true);
    if (m.LinePromptTwoPivots) {
        Text(c, 10, 130, "STOP MOTION AND SELECT PIVOT 1 AND PIVOT 2");
        Text(c, 10, 143, "USE LEFT MOUSE BUTTON FIRST THEN RIGHT");
        Text(c, 10, 156, "MOVE MOTION IF NECESSARY TO CLEAR PIVOTS");
    } else {
        Text(c, 10, 130, "STOP MOTION AND SELECT PIVOT 1");
        Text(c, 10, 143, "USE LEFT MOUSE BUTTON");
        Text(c, 10, 156, "MOVE MOTION IF NECESSARY TO CLEAR PIVOT");
    }
    c.SetFontColor(clBlack);
    c.SetFontBold(false);
}

// The piston position where a steam port closed, found between this tick and the last one.
bool Readouts::CutoffCrossed(float prevOpening, float opening, float prevPiston, Real& piston) const
{
    if (!(prevOpening > 0 && (opening < 0 || std::isnan(opening)))) return false;
    const Real now = m.Ports.PistonTravel;
    piston = prevPiston - Real(prevOpening) * (now - prevPiston) / (Real(opening) - prevOpening);
    return true;
}

void Readouts::Cutoffs(Canvas& c)
{
    const bool drawn = m.StepAngle != 0 && m.StepAngle < 23;
    Real prevPiston = PrevPistonTravel;
    Real p = 0;
    if (CutoffCrossed(m.PrevFrontSteamOpening, m.Ports.FrontSteamOpening, static_cast<float>(prevPiston), p)) {
        FrontCutoffTicks = RoundInt(400 / (Real(m.StepAngle) + 0.1L));
        m.FrontCutoffText = StrF(double(p / 6.4L), 4, 1).toStdString();
        prevPiston = p;
    }
    if (drawn) {
        Text(c, 545, 109, "FrontCO% ");
        if (FrontCutoffTicks > 0) {
            Text(c, 600, 109, QString::fromStdString(m.FrontCutoffText));
            --FrontCutoffTicks;
        }
    }
    if (CutoffCrossed(m.PrevRearSteamOpening, m.Ports.RearSteamOpening, static_cast<float>(prevPiston), p)) {
        RearCutoffTicks = RoundInt(400 / (Real(m.StepAngle) + 0.1L));
        m.RearCutoffText = StrF(double((640 - p) / 6.4L), 4, 1).toStdString();
    }
    if (drawn) {
        Text(c, 545, 121, "RearCO% ");
        if (RearCutoffTicks > 0) {
            Text(c, 600, 121, QString::fromStdString(m.RearCutoffText));
            --RearCutoffTicks;
        }
    }
    // Kept for the next tick; a reading that is not a number is kept as closed.
    auto finite = [](float v) { return std::isfinite(v) ? v : 0.0f; };
    PrevPistonTravel = finite(m.Ports.PistonTravel);
    m.PrevFrontSteamOpening = finite(m.Ports.FrontSteamOpening);
    m.PrevRearSteamOpening = finite(m.Ports.RearSteamOpening);
}

void Readouts::ReferenceCross(Canvas& c, int pivot, const QString& number)
{
    const int x = m.Pivots[pivot].sx, y = m.Pivots[pivot].sy;
    c.MoveTo(x, y - 10);
    c.LineTo(x, y + 10);
    c.MoveTo(x - 10, y);
    c.LineTo(x + 10, y);
    c.TextOut(x + 3, y - 17, number);
}

void Readouts::ReferencePoints(Canvas& c)
{
    const Pivot& p1 = m.Pivots[RefPoint1];
    const Pivot& p2 = m.Pivots[RefPoint2];
    ReferenceCross(c, RefPoint2, "2");
    Text(c, 143, 95, "Pt2V " + StrF(p2.y, 6, 3));
    Text(c, 143, 107, "Pt2H " + StrF(p2.x, 6, 3));
    ReferenceCross(c, RefPoint1, "1");
    Text(c, 143, 71, "Pt1V " + StrF(p1.y, 6, 3));
    Text(c, 143, 83, "Pt1H " + StrF(p1.x, 6, 3));
    const Real dy = Real(p1.y) - p2.y, dx = Real(p1.x) - p2.x;
    Text(c, 210, 71, StrF(double(dy), 6, 3));
    Text(c, 210, 83, StrF(double(dx), 6, 3));
    Text(c, 207, 95, "Pt1-Pt2");
    Text(c, 209, 107, StrF(double(std::sqrt(dx * dx + dy * dy)), 6, 3));
}

void Readouts::DynamicVariables(Canvas& c)
{
    if (m.DynVarSlots[1].name == EmptySlotName()) {
        c.SetFontColor(clRed);
        Text(c, 377, 71, kRowOfAsterisks);
        Text(c, 377, 81, "* First Select Dimensions *");
        Text(c, 377, 95, kRowOfAsterisks);
        c.SetFontColor(clBlack);
    } else {
        for (int s = 1; s <= 4; ++s) {
            const int y = 71 + 12 * (s - 1);
            Text(c, 377, y, QString::fromStdString(m.DynVarSlots[s].name));
            Text(c, 498, y, StrF(m.DynVarSlots[s].value, 6, 3));
        }
    }
    if (hooks_.enableDynVarBar)
        for (int s = 1; s <= 4; ++s) hooks_.enableDynVarBar(s, m.DynVarSlots[s].name != EmptySlotName());
}

}  // namespace zeph
