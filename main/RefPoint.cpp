// The reference-points dialog: type both reference points, or zero them.
#include "main/RefPoint.h"

#include "main/DialogKit.h"
#include "main/MainForm.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace zeph {

TRefPnts::TRefPnts(MechanismModel& model, TMainForm& mainForm) : QDialog(&mainForm), m(model), main_(mainForm)
{
    SetDialogFrame(this, "Reference Points", 208, 76);
    AddLabel(this, "RefPt V1", 5, 6);
    AddLabel(this, "RefPt H1", 5, 29);
    AddLabel(this, "RefPt V2", 108, 6);
    AddLabel(this, "RefPt H2", 108, 29);
    Edit1 = AddEdit(this, 50, 2);
    Edit2 = AddEdit(this, 50, 26);
    Edit3 = AddEdit(this, 155, 2);
    Edit4 = AddEdit(this, 155, 26);
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4}) NumericKeyFilter::Install(e, KeyFilterKind::RefPoint);
    OKBtn = AddButton(this, "OK", 22, 52);
    ZeroBtn = AddButton(this, "Zero", 80, 52);
    CancelBtn = AddButton(this, "Cancel", 138, 52);
    connect(OKBtn, &QPushButton::clicked, this, &TRefPnts::OKBtnClick);
    connect(ZeroBtn, &QPushButton::clicked, this, &TRefPnts::ZeroBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TRefPnts::CancelBtnClick);
}

void TRefPnts::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormActivate();
}

void TRefPnts::FormActivate()
{
    const Pivot& p1 = m.Pivots[RefPoint1];
    const Pivot& p2 = m.Pivots[RefPoint2];
    Edit1->setText(StrF(p1.y, 5, 3));
    Edit2->setText(StrF(p1.x, 5, 3));
    Edit3->setText(StrF(p2.y, 5, 3));
    Edit4->setText(StrF(p2.x, 5, 3));
    CancelBtn->setFocus();
}

void TRefPnts::ToggleRefPointsFrom(bool on)
{
    m.RefPointsOn = on;
    main_.RefPointsClick();
}

void TRefPnts::OKBtnClick()
{
    Pivot& p1 = m.Pivots[RefPoint1];
    Pivot& p2 = m.Pivots[RefPoint2];
    p1.y = ReadNumberF(Edit1->text(), p1.y);
    p1.x = ReadNumberF(Edit2->text(), p1.x);
    p2.y = ReadNumberF(Edit3->text(), p2.y);
    p2.x = ReadNumberF(Edit4->text(), p2.x);
    if (p1.y != 0 || p1.x != 0) main_.RefPt1Zero->setEnabled(true);
    if (p2.y != 0 || p2.x != 0) main_.RefPt2Zero->setEnabled(true);
    ToggleRefPointsFrom(false);
    accept();
}

void TRefPnts::CancelBtnClick()
{
    ToggleRefPointsFrom(true);
    reject();
}

void TRefPnts::ZeroBtnClick()
{
    for (int i : {int(RefPoint1), int(RefPoint2)}) m.Pivots[i].x = m.Pivots[i].y = 0;
    main_.RefPt1Zero->setEnabled(false);
    main_.RefPt2Zero->setEnabled(false);
    CancelBtnClick();
}

}  // namespace zeph
