// The driver-angle dialog: stop the driver at a typed angle between 0 and 360 degrees.
#include "main/DrvAng.h"

#include "main/DialogKit.h"
#include "main/MainForm.h"
#include "model/ViewTransform.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace zeph {

TDrivAng::TDrivAng(MechanismModel& model, TMainForm& mainForm) : QDialog(&mainForm), m(model), main_(mainForm)
{
    SetDialogFrame(this, "Driver Angle", 208, 47);
    AddLabel(this, "Min = 0.00", 10, 0);
    AddLabel(this, "Max = 360.00", 100, 0);
    AddLabel(this, "Enter", 5, 19);
    Edit1 = AddEdit(this, 34, 16);
    NumericKeyFilter::Install(Edit1, KeyFilterKind::Unsigned);
    OKBtn = AddButton(this, "OK", 94, 17);
    OKBtn->setDefault(true);
    CancelBtn = AddButton(this, "Cancel", 152, 17);
    connect(OKBtn, &QPushButton::clicked, this, &TDrivAng::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TDrivAng::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormActivate();
}

void TDrivAng::FormActivate()
{
    Edit1->setText(m.StepAngle != 0 ? QStringLiteral("0.00") : StrF(m.DriverAngle, 4, 2));
    CancelBtn->setFocus();
}

void TDrivAng::OKBtnClick()
{
    // Stop the driver first, wherever it is.
    main_.Run->setText("Stop");
    main_.RunClick();
    Real angle = ReadNumberF(Edit1->text(), m.DriverAngle);
    if (angle < 0) angle = 0;
    if (angle > 360) angle = 360;
    m.DriverAngle = static_cast<float>(angle);
    main_.SBDrvAng->setValue(RoundInt(angle * 100));
    m.StepAngle = 0;
    main_.SBDrvAng->setEnabled(true);
    accept();
}

}  // namespace zeph
