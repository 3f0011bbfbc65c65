// The zoom dialog of the dimension pointer: how far the drawing is magnified around a dimension.
#include "dimensions/GraphicZoom.h"

#include <algorithm>

#include "dimensions/DimensionDialog.h"
#include "main/DialogKit.h"
#include "main/MainForm.h"
#include "platform/NumberText.h"
#include "platform/NumericKeyFilter.h"

namespace zeph {

namespace {

// A stand-in font may be wider than the one the dialog was laid out for: the label's font is
// made smaller until the text ends inside the window.
void FitWithin(QLabel* label, int right)
{
    QFont font = label->font();
    while (label->geometry().right() >= right && font.pixelSize() > 6) {
        font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
        label->adjustSize();
    }
}

}  // namespace

TGraphZoom::TGraphZoom(MechanismModel& model, TMainForm& mainForm)
    : NumberDialog(&mainForm, {"Set Zoom of Dimensional Graphic Position", {270, 68}, KeyFilterKind::GraphicZoom,
                               {64, 40}, {134, 40}, {194, 40}, false}),
      m(model)
{
    setFont(DimensionDialogFont());
    AddLabel(this, "Min = 0.5", 40, 3);
    AddLabel(this, "Max = 2000.0", 168, 3);
    FitWithin(AddLabel(this, "Approximate Factor = Locomotive Gauge in Units Used", 5, 20), 270);
    AddLabel(this, "Enter", 32, 42);
    // Enter on a focused button presses it; in the box Enter is dropped.
    for (QPushButton* b : {OKBtn, CancelBtn}) b->setAutoDefault(true);
}

void TGraphZoom::FormActivate()
{
    Edit1->setText(StrF(m.GraphicPosZoom, 4, 2));
    Edit1->setFocus();
}

void TGraphZoom::OKBtnClick()
{
    m.GraphicPosZoom = std::clamp(ReadNumberF(Edit1->text(), m.GraphicPosZoom), MinZoom, MaxZoom);
    accept();
}

}  // namespace zeph
