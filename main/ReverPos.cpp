// The reverse-arm position dialog: type an exact gear setting between the limits shown.
#include "main/ReverPos.h"

#include "main/DialogKit.h"
#include "main/MainForm.h"
#include "model/ViewTransform.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace zeph {

TRevPos::TRevPos(MechanismModel& model, TMainForm& mainForm) : QDialog(&mainForm), m(model), main_(mainForm)
{
    SetDialogFrame(this, "Reverse Arm Position", 208, 64);
    LabelRev = AddLabel(this, "", 2, 0);
    LabelCen = AddLabel(this, "", 71, 0);
    LabelFwd = AddLabel(this, "", 141, 0);
    LabelMin = AddLabel(this, "", 2, 15);
    LabelMax = AddLabel(this, "", 141, 15);
    AddLabel(this, "Enter", 5, 35);
    Edit1 = AddEdit(this, 34, 32);
    NumericKeyFilter::Install(Edit1, KeyFilterKind::RevArm);
    OKBtn = AddButton(this, "OK", 94, 33);
    OKBtn->setDefault(true);
    CancelBtn = AddButton(this, "Cancel", 152, 33);
    connect(OKBtn, &QPushButton::clicked, this, &TRevPos::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TRevPos::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormActivate();
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
