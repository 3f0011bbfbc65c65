// Table cells edited as number boxes: the editor takes only what a number can hold, typed or pasted.
#pragma once

#include <QStyledItemDelegate>

namespace zeph {

class NumberCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace zeph
