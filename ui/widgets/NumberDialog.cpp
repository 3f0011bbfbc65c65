// A small modal dialog around one number box with "OK" and "Cancel", refreshed when shown.
#include "ui/widgets/NumberDialog.h"

#include "ui/widgets/DialogKit.h"

namespace zeph {

NumberDialog::NumberDialog(QWidget* parent, const Layout& layout) : QDialog(parent)
{
    SetDialogFrame(this, layout.caption, layout.client.width(), layout.client.height());
    box_ = AddEdit(this, layout.edit.x(), layout.edit.y());
    box_->setObjectName("box");
    NumericKeyFilter::Install(box_, layout.keys);
    okButton_ = AddButton(this, "OK", layout.ok.x(), layout.ok.y());
    okButton_->setObjectName("ok");
    okButton_->setDefault(layout.okIsDefault);
    cancelButton_ = AddButton(this, "Cancel", layout.cancel.x(), layout.cancel.y());
    cancelButton_->setObjectName("cancel");
    connect(okButton_, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void NumberDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Refresh();
}

}  // namespace zeph
