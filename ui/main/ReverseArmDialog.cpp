// The reverse-arm position dialog: type an exact gear setting between the limits shown.
#include "ui/main/ReverseArmDialog.h"

#include "model/core/Real.h"
#include "platform/NumberText.h"
#include "render/text/ReadoutFigures.h"
#include "ui/session/Session.h"
#include "ui/widgets/DialogKit.h"

namespace zeph {

ReverseArmDialog::ReverseArmDialog(Session& session, QWidget* parent)
    : NumberDialog(parent,
                   {"Reverse Arm Position", {208, 64}, KeyFilterKind::RevArm, {34, 32}, {94, 33}, {152, 33}}),
      session_(session)
{
    const QPoint places[] = {{2, 0}, {71, 0}, {141, 0}, {2, 15}, {141, 15}};
    const char* names[] = {"normalReverse", "centre", "normalForward", "minimum", "maximum"};
    for (size_t i = 0; i < limits_.size(); ++i) {
        limits_[i] = AddLabel(this, "", places[i].x(), places[i].y());
        limits_[i]->setObjectName(names[i]);
    }
    AddLabel(this, "Enter", 5, 35);
}

void ReverseArmDialog::Refresh()
{
    const MechanismModel& m = session_.model();
    const Real c = m.RevArmCentre, n = m.Frame.RevArmNorm, x = m.Frame.RevArmMax;
    const QString texts[] = {
        "Rev = " + ReadoutFigure(double(c - n), 5, 3), "Cen = " + ReadoutFigure(double(c), 5, 3),
        "Fwd = " + ReadoutFigure(double(c + n), 5, 3), "Min = " + ReadoutFigure(double(c - x), 5, 3),
        "Max = " + ReadoutFigure(double(c + x), 5, 3)};
    for (size_t i = 0; i < limits_.size(); ++i) limits_[i]->setText(texts[i]);
    FitLabels(this);
    box_->setText(StrF(m.RevArmPosition, 7, 3));
    cancelButton_->setFocus();
}

void ReverseArmDialog::Confirm()
{
    session_.Gear().SetReverseArm(ReadNumberToClamp(box_->text(), session_.model().RevArmPosition));
    accept();
}

}  // namespace zeph
