// A scroll bar that always springs back to 0 and hands each move's position to its owner.
#include "ui/widgets/SelfCentringBar.h"

#include <QSignalBlocker>

namespace zeph {

void SelfCentringBar::Connect(QScrollBar* bar, Moved moved)
{
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [bar, moved = std::move(moved)](int position) {
        if (position == 0) return;
        moved(position);
        const QSignalBlocker quiet(bar);
        bar->setValue(0);
    });
}

}  // namespace zeph
