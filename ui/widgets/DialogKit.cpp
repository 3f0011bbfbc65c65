// Small helpers that place labels, boxes and buttons at fixed pixel positions in a dialog.
#include "ui/widgets/DialogKit.h"

namespace zeph {

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* AddEdit(QWidget* parent, int x, int y, int w, int h)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(x, y, w, h);
    return edit;
}

QPushButton* AddButton(QWidget* parent, const QString& caption, int x, int y, int w, int h)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(x, y, w, h);
    button->setAutoDefault(false);
    return button;
}

bool LeavesBox(const QFocusEvent& e)
{
    return e.reason() != Qt::ActiveWindowFocusReason && e.reason() != Qt::PopupFocusReason;
}

void SetDialogFrame(QDialog* dialog, const QString& caption, int width, int height)
{
    dialog->setWindowTitle(caption);
    dialog->setFixedSize(width, height);
    dialog->setModal(true);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

}  // namespace zeph
