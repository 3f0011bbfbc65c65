// The reverse-arm position dialog: type an exact gear setting between the limits shown.
#include "main/ReverPos.h"

#include "main/DialogKit.h"
#include "main/MainForm.h"
#include "model/ViewTransform.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace zeph {

TRevPos::TRevPos(MechanismModel& model, TMainForm& mainForm)
    : NumberDialog(&mainForm, {"Reverse Arm Position", {208, 64}, KeyFilterKind::RevArm, {34, 32}, {94, 33}, {152, 33}}),
      m(model),
      main_(mainForm)
{
    LabelRev = AddLabel(this, "", 2, 0);
    LabelCen = AddLabel(this, "", 71, 0);
    LabelFwd = AddLabel(this, "", 141, 0);
    LabelMin = AddLabel(this, "", 2, 15);
    LabelMax = AddLabel(this, "", 141, 15);
    AddLabel(this, "Enter", 5, 35);
}

void TRevPos::FormActivate()
{
    const Real c = m.RevArmCentre, n = m.Frame.RevArmNorm, x = m.Frame.RevArmMax;
    LabelRev->setText("Rev = " + StrF(c - n, 5, 3));
    LabelCen->setText("Cen = " + StrF(c, 5, 3));
    LabelFwd->setText("Fwd = " + StrF(c + n, 5, 3));
    LabelMin->setText("Min = " + StrF(c - x, 5, 3));
    LabelMax->setText("Max = " + StrF(c + x, 5, 3));
    for (QLabel* l : {LabelRev, LabelCen, LabelFwd, LabelMin, LabelMax}) l->adjustSize();
    Edit1->setText(StrF(m.RevArmPosition, 7, 3));
    CancelBtn->setFocus();
}

void TRevPos::OKBtnClick()
{
    const Real c = m.RevArmCentre, x = m.Frame.RevArmMax;
    Real v = ReadNumberF(Edit1->text(), m.RevArmPosition);
    if (v < c - x) v = c - x;
    if (v > c + x) v = c + x;
    m.RevArmPosition = static_cast<float>(v);
    main_.SBRevArm->setValue(RoundInt((v - c) * 1000));
    accept();
}

}  // namespace zeph
