// A scroll bar that always springs back to 0 and hands each move's position to its owner.
#include "ui/widgets/SelfCentringBar.h"

#include <QSignalBlocker>
#include <QWheelEvent>

namespace zeph {

namespace {

// Turns the wheel into arrow clicks. A plain bar scrolls several small steps per notch and
// lowers a horizontal bar's value on wheel up; on a bar that springs back to 0 the several
// steps also read as one drag that stands still, so the owner's step rule moves it only once.
class WheelAsArrowClicks : public QObject {
public:
    explicit WheelAsArrowClicks(QScrollBar* bar) : QObject(bar), bar_(bar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != bar_ || e->type() != QEvent::Wheel || !bar_->isEnabled()) return false;
        Turn(*static_cast<QWheelEvent*>(e));
        e->accept();
        return true;
    }

private:
    static constexpr int Notch = QWheelEvent::DefaultDeltasPerStep;

    void Turn(const QWheelEvent& e)
    {
        const QPoint a = e.angleDelta();
        int delta = a.y() != 0 ? a.y() : -a.x();  // a wheel tilted to the left reports x > 0
        if (e.inverted()) delta = -delta;          // follow the wheel, not the system's scroll direction
        if ((delta > 0 && pending_ < 0) || (delta < 0 && pending_ > 0)) pending_ = 0;
        pending_ += delta;
        for (; pending_ >= Notch; pending_ -= Notch) bar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        for (; pending_ <= -Notch; pending_ += Notch) bar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }

    QScrollBar* bar_;
    int pending_ = 0;  // eighths of a degree turned short of a whole notch (fine-grained wheels)
};

}  // namespace

void SelfCentringBar::Connect(QScrollBar* bar, Moved moved)
{
    bar->installEventFilter(new WheelAsArrowClicks(bar));
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [bar, moved = std::move(moved)](int position) {
        if (position == 0) return;
        moved(position);
        const QSignalBlocker quiet(bar);
        bar->setValue(0);
    });
}

}  // namespace zeph
