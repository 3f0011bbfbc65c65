// A small modal dialog around one number box with "OK" and "Cancel", refreshed when shown.
#include "main/NumberDialog.h"

#include "main/DialogKit.h"

namespace zeph {

NumberDialog::NumberDialog(QWidget* parent, const Layout& layout) : QDialog(parent)
{
    SetDialogFrame(this, layout.caption, layout.client.width(), layout.client.height());
    Edit1 = AddEdit(this, layout.edit.x(), layout.edit.y());
    NumericKeyFilter::Install(Edit1, layout.keys);
    OKBtn = AddButton(this, "OK", layout.ok.x(), layout.ok.y());
    OKBtn->setDefault(layout.okIsDefault);
    CancelBtn = AddButton(this, "Cancel", layout.cancel.x(), layout.cancel.y());
    connect(OKBtn, &QPushButton::clicked, this, &NumberDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void NumberDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormActivate();
}

}  // namespace zeph
