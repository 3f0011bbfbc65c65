// The zoom dialog of the dimension pointer: how far the drawing is magnified around a dimension.
#include "ui/dimensions/GraphicZoomDialog.h"

#include "platform/NumberText.h"
#include "ui/session/Session.h"
#include "ui/widgets/DialogKit.h"

namespace zeph {

GraphicZoomDialog::GraphicZoomDialog(Session& session, QWidget* parent)
    : NumberDialog(parent, {"Set Zoom of Dimensional Graphic Position", {270, 68}, KeyFilterKind::GraphicZoom,
                            {64, 40}, {134, 40}, {194, 40}, false}),
      session_(session)
{
    AddLabel(this, "Min = 0.5", 40, 3);
    AddLabel(this, "Max = 2000.0", 168, 3);
    AddLabel(this, "Approximate Factor = Locomotive Gauge in Units Used", 5, 20);
    AddLabel(this, "Enter", 32, 42);
    FitLabels(this);
    // Enter on a focused button presses it; in the box Enter is dropped.
    for (QPushButton* b : {okButton_, cancelButton_}) b->setAutoDefault(true);
}

void GraphicZoomDialog::Refresh()
{
    box_->setText(StrF(session_.model().GraphicPosZoom, 4, 2));
    box_->setFocus();
}

void GraphicZoomDialog::Confirm()
{
    session_.Dimensions().SetGraphicZoom(ReadNumberToClamp(box_->text(), session_.model().GraphicPosZoom));
    accept();
}

}  // namespace zeph
