// The driver-angle dialog: stop the driver at a typed angle between 0 and 360 degrees.
#include "ui/main/DriverAngleDialog.h"

#include "platform/NumberText.h"
#include "ui/session/Session.h"
#include "ui/widgets/DialogKit.h"

namespace zeph {

DriverAngleDialog::DriverAngleDialog(Session& session, QWidget* parent)
    : NumberDialog(parent, {"Driver Angle", {208, 47}, KeyFilterKind::Unsigned, {34, 16}, {94, 17}, {152, 17}}),
      session_(session)
{
    AddLabel(this, "Min = 0.00", 10, 0);
    AddLabel(this, "Max = 360.00", 100, 0);
    AddLabel(this, "Enter", 5, 19);
    FitLabels(this);
}

void DriverAngleDialog::Refresh()
{
    const MechanismModel& m = session_.model();
    box_->setText(m.StepAngle != 0 ? QStringLiteral("0.00") : StrF(m.DriverAngle, 4, 2));
    cancelButton_->setFocus();
}

void DriverAngleDialog::Confirm()
{
    session_.Run().SetDriverAngle(ReadNumberToClamp(box_->text(), session_.model().DriverAngle));
    accept();
}

}  // namespace zeph
