// Table cells edited as number boxes, with the key filter of the dialogs' boxes.
#include "ui/analysis/NumberCellDelegate.h"

#include <QLineEdit>

#include "platform/desktop/NumericKeyFilter.h"

namespace zeph {

QWidget* NumberCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setObjectName("cellEditor");
        NumericKeyFilter::Install(edit, KeyFilterKind::RevArm);
    }
    return editor;
}

}  // namespace zeph
