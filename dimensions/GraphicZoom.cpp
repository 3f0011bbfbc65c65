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

TGraphZoom::TGraphZoom(MechanismModel& model, TMainForm& mainForm) : QDialog(&mainForm), m(model)
{
    SetDialogFrame(this, "Set Zoom of Dimensional Graphic Position", 270, 68);
    setFont(DimensionDialogFont());
    AddLabel(this, "Min = 0.5", 40, 3);
    AddLabel(this, "Max = 2000.0", 168, 3);
    FitWithin(AddLabel(this, "Approximate Factor = Locomotive Gauge in Units Used", 5, 20), 270);
    AddLabel(this, "Enter", 32, 42);
    Edit1 = AddEdit(this, 64, 40);
    NumericKeyFilter::Install(Edit1, KeyFilterKind::GraphicZoom);
    OKBtn = AddButton(this, "OK", 134, 40);
    CancelBtn = AddButton(this, "Cancel", 194, 40);
    // Enter on a focused button presses it; in the box Enter is dropped.
    for (QPushButton* b : {OKBtn, CancelBtn}) b->setAutoDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TGraphZoom::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TGraphZoom::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormActivate();
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
