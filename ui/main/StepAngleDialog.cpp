// The step-angle dialog: any step between 0.01 and 45 degrees, off the 1-2-3-5 series.
#include "ui/main/StepAngleDialog.h"

#include "platform/NumberText.h"
#include "ui/session/Session.h"
#include "ui/widgets/DialogKit.h"

namespace zeph {

StepAngleDialog::StepAngleDialog(Session& session, QWidget* parent)
    : NumberDialog(parent, {"Step Angle", {208, 47}, KeyFilterKind::Unsigned, {34, 16}, {94, 17}, {152, 17}}),
      session_(session)
{
    AddLabel(this, "Min = 0.01", 10, 0);
    AddLabel(this, "Max = 45.00", 100, 0);
    AddLabel(this, "Enter", 5, 19);
    FitLabels(this);
}

void StepAngleDialog::Refresh()
{
    box_->setText(StrF(session_.model().StepAngle, 4, 2));
    cancelButton_->setFocus();
}

void StepAngleDialog::Confirm()
{
    session_.Run().SetStepAngle(ReadNumberToClamp(box_->text(), session_.model().ChosenStepAngle));
    accept();
}

}  // namespace zeph
