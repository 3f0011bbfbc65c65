// The gear: the reverse arm, its bar and range, the full-gear and centre buttons, mid gear.
#include "ui/session/GearControl.h"

#include "model/design/FrameLimits.h"
#include "model/design/MechanismModel.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

void GearControl::EmptyCutoffTexts()
{
    m.FrontCutoffText.clear();
    m.RearCutoffText.clear();
}

void GearControl::SetButtons()
{
    const Real centre = m.RevArmCentre, norm = m.Frame.RevArmNorm;
    const float pos = m.RevArmPosition;
    c_.forwardEnabled = static_cast<float>(centre + norm) != pos;
    c_.reverseEnabled = static_cast<float>(centre - norm) != pos;
}

void GearControl::SetBarValue(int value)
{
    if (c_.revArmBar.SetValue(value)) OnBarChanged();
}

void GearControl::OnBarChanged()
{
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) + c_.revArmBar.value / 1000.0L);
    m.Direction = (m.RevArmCentre <= m.RevArmPosition) ? RunDirection::Forward : RunDirection::Reverse;
    c_.centreEnabled = c_.revArmBar.value != 0;
    SetButtons();
    EmptyCutoffTexts();
}

void GearControl::SetInitialBarRange()
{
    const ArmBarSpan span = ReverseArmBarSpan(m.Frame);
    c_.revArmBar.minimum = span.minimum;
    c_.revArmBar.maximum = span.maximum;
}

void GearControl::SetBarRange()
{
    const ArmBarSpan span = ReverseArmBarSpan(m.Frame);
    if (c_.revArmBar.SetMaximum(span.maximum)) OnBarChanged();
    if (c_.revArmBar.SetMinimum(span.minimum)) OnBarChanged();
}

void GearControl::ReturnToMidGear()
{
    if (c_.revArmBar.value == 0)
        OnBarChanged();
    else
        SetBarValue(0);
}

void GearControl::MoveReverseArmBar(int position)
{
    SetBarValue(position);
    Emit(Change::Gear);
}

void GearControl::CentreReverseArm()
{
    SetBarValue(0);
    m.RevArmPosition = m.RevArmCentre;
    c_.forwardEnabled = true;
    c_.reverseEnabled = true;
    c_.centreEnabled = false;
    EmptyCutoffTexts();
    Emit(Change::Gear);
}

void GearControl::NormalForward()
{
    const Real norm = m.Frame.RevArmNorm;
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) + norm);
    SetBarValue(RoundInt(norm * c_.revArmBar.maximum / m.Frame.RevArmMax));
    c_.forwardEnabled = false;
    c_.reverseEnabled = true;
    c_.centreEnabled = true;
    EmptyCutoffTexts();
    Emit(Change::Gear);
}

void GearControl::NormalReverse()
{
    const Real norm = m.Frame.RevArmNorm;
    m.RevArmPosition = static_cast<float>(Real(m.RevArmCentre) - norm);
    SetBarValue(RoundInt(norm * c_.revArmBar.minimum / m.Frame.RevArmMax));
    c_.reverseEnabled = false;
    c_.forwardEnabled = true;
    c_.centreEnabled = true;
    EmptyCutoffTexts();
    Emit(Change::Gear);
}

void GearControl::CalcMidGearAndCentre()
{
    m.CalcMidGear();
    CentreReverseArm();
    Emit(Change::Dimensions);
}

void GearControl::SetReverseArm(double position)
{
    const std::optional<Real> v = ReverseArmWithinTravel(m, position);
    if (!v) return;
    m.RevArmPosition = static_cast<float>(*v);
    SetBarValue(RoundInt((*v - m.RevArmCentre) * 1000));
    Emit(Change::Gear);
}

}  // namespace zeph
