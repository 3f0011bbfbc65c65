// The driver-angle dialog: stop the driver at a typed angle between 0 and 360 degrees.
#include "main/DrvAng.h"

#include "main/DialogKit.h"
#include "main/MainForm.h"
#include "model/ViewTransform.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace zeph {

TDrivAng::TDrivAng(MechanismModel& model, TMainForm& mainForm)
    : NumberDialog(&mainForm, {"Driver Angle", {208, 47}, KeyFilterKind::Unsigned, {34, 16}, {94, 17}, {152, 17}}),
      m(model),
      main_(mainForm)
{
    AddLabel(this, "Min = 0.00", 10, 0);
    AddLabel(this, "Max = 360.00", 100, 0);
    AddLabel(this, "Enter", 5, 19);
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
