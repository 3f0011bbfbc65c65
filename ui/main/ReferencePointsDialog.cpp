// The reference-points dialog: type both reference points, or zero them.
#include "ui/main/ReferencePointsDialog.h"

#include "platform/NumberText.h"
#include "platform/desktop/NumericKeyFilter.h"
#include "ui/session/Session.h"
#include "ui/widgets/DialogKit.h"

namespace zeph {

ReferencePointsDialog::ReferencePointsDialog(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    SetDialogFrame(this, "Reference Points", 208, 76);
    AddLabel(this, "RefPt V1", 5, 6);
    AddLabel(this, "RefPt H1", 5, 29);
    AddLabel(this, "RefPt V2", 108, 6);
    AddLabel(this, "RefPt H2", 108, 29);
    const QPoint places[] = {{50, 2}, {50, 26}, {155, 2}, {155, 26}};
    const char* names[] = {"v1", "h1", "v2", "h2"};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = AddEdit(this, places[i].x(), places[i].y());
        boxes_[i]->setObjectName(names[i]);
        NumericKeyFilter::Install(boxes_[i], KeyFilterKind::RefPoint);
    }
    QPushButton* ok = AddButton(this, "OK", 22, 52);
    QPushButton* zero = AddButton(this, "Zero", 80, 52);
    cancelButton_ = AddButton(this, "Cancel", 138, 52);
    ok->setObjectName("ok");
    zero->setObjectName("zero");
    cancelButton_->setObjectName("cancel");
    FitLabels(this);
    connect(ok, &QPushButton::clicked, this, &ReferencePointsDialog::Confirm);
    connect(zero, &QPushButton::clicked, this, &ReferencePointsDialog::Zero);
    connect(cancelButton_, &QPushButton::clicked, this, &ReferencePointsDialog::Cancel);
}

void ReferencePointsDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Refresh();
}

void ReferencePointsDialog::Refresh()
{
    const MechanismModel& m = session_.model();
    const Pivot& p1 = m.Pivots[RefPoint1];
    const Pivot& p2 = m.Pivots[RefPoint2];
    const float values[] = {p1.y, p1.x, p2.y, p2.x};
    for (size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(StrF(values[i], 5, 3));
    cancelButton_->setFocus();
}

void ReferencePointsDialog::Confirm()
{
    const MechanismModel& m = session_.model();
    const Pivot& p1 = m.Pivots[RefPoint1];
    const Pivot& p2 = m.Pivots[RefPoint2];
    session_.View().SetReferencePoints(ReadNumberF(boxes_[0]->text(), p1.y), ReadNumberF(boxes_[1]->text(), p1.x),
                                ReadNumberF(boxes_[2]->text(), p2.y), ReadNumberF(boxes_[3]->text(), p2.x));
    accept();
}

void ReferencePointsDialog::Cancel()
{
    session_.View().CancelReferencePoints();
    reject();
}

void ReferencePointsDialog::Zero()
{
    session_.View().ZeroReferencePoints();
    reject();
}

}  // namespace zeph
