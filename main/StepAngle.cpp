// The step-angle dialog: any step between 0.01 and 45 degrees, off the 1-2-3-5 series.
#include "main/StepAngle.h"

#include <cmath>

#include "main/DialogKit.h"
#include "main/MainForm.h"
#include "model/ViewTransform.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace zeph {

TStpAng::TStpAng(MechanismModel& model, TMainForm& mainForm)
    : NumberDialog(&mainForm, {"Step Angle", {208, 47}, KeyFilterKind::Unsigned, {34, 16}, {94, 17}, {152, 17}}),
      m(model),
      main_(mainForm)
{
    AddLabel(this, "Min = 0.01", 10, 0);
    AddLabel(this, "Max = 45.00", 100, 0);
    AddLabel(this, "Enter", 5, 19);
}

void TStpAng::FormActivate()
{
    Edit1->setText(StrF(m.StepAngle, 4, 2));
    CancelBtn->setFocus();
}

void TStpAng::OKBtnClick()
{
    main_.SkipStepSnap = true;
    Real step = ReadNumberF(Edit1->text(), m.ChosenStepAngle);
    if (step > 45) step = 45;
    if (step < 0.01L) step = 0.01L;
    m.ChosenStepAngle = static_cast<float>(step);

    // Apply the step without changing the run state: flip the caption, then let Run flip it back.
    main_.Run->setText(main_.Run->text() != "Stop" ? "Stop" : "Run");
    main_.RunClick();

    const int position = RoundInt(4000 * std::log10(100 * Real(m.ChosenStepAngle)));
    if (main_.SBStepAng->value() != position)
        main_.SBStepAng->setValue(position);
    else
        main_.SBStepAngChange();  // no change event would consume the one-shot flag
    main_.SBDrvAng->setSingleStep(RoundInt(100 * Real(m.ChosenStepAngle)));
    main_.SBDrvAng->setPageStep(RoundInt(500 * Real(m.ChosenStepAngle)));
    accept();
}

}  // namespace zeph
