// A horizontal scroll bar whose arrow keys move the thumb the way they point.
#include "ui/widgets/HorizontalBar.h"

#include <QKeyEvent>

namespace zeph {

namespace {

class ArrowKeys : public QObject {
public:
    explicit ArrowKeys(QScrollBar* bar) : QObject(bar), bar_(bar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != bar_ || e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
        bar_->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }

private:
    QScrollBar* bar_;
};

}  // namespace

QScrollBar* MakeHorizontalBar(QWidget* parent)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->installEventFilter(new ArrowKeys(bar));
    return bar;
}

}  // namespace zeph
