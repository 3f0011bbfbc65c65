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

QFont DialogFont(int pixelSize)
{
    QFont font;
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans", "Helvetica"});
    font.setPixelSize(pixelSize);
    return font;
}

namespace {

// The room a label has: up to the nearest control to its right that shares its line, or the
// window's right edge.
int RoomRightOf(const QWidget* window, const QLabel* label)
{
    const QRect r = label->geometry();
    int right = window->width();
    for (const QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == label || !w->isVisibleTo(window)) continue;
        const QRect g = w->geometry();
        const bool sameLine = g.top() < r.bottom() && g.bottom() > r.top();
        if (sameLine && g.left() > r.left()) right = std::min(right, g.left());
    }
    return right - r.left();
}

}  // namespace

void FitLabels(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        label->adjustSize();
        const int room = RoomRightOf(window, label);
        QFont font = label->font();
        while (label->fontMetrics().horizontalAdvance(label->text()) > room && font.pixelSize() > 6) {
            font.setPixelSize(font.pixelSize() - 1);
            label->setFont(font);
        }
        label->adjustSize();
        label->resize(std::min(label->width(), room), label->height());
    }
}

void SetDialogFrame(QDialog* dialog, const QString& caption, int width, int height)
{
    dialog->setFont(DialogFont());
    dialog->setWindowTitle(caption);
    dialog->setFixedSize(width, height);
    dialog->setModal(true);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
}

}  // namespace zeph
