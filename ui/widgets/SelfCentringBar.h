// A scroll bar that always springs back to 0 and hands each move's position to its owner.
#pragma once

#include <QScrollBar>
#include <functional>

namespace zeph {

// The owner turns a position into a step (by the bar's history, kept in the session) and the
// bar returns to 0 at once, without raising a second change of its own. A wheel notch moves
// the bar as one arrow click does, wheel up (or tilt right) towards the positive end.
class SelfCentringBar {
public:
    using Moved = std::function<void(int position)>;
    // Wires `bar`: every move away from 0 calls `moved` with the position, then the bar rests at 0 again.
    static void Connect(QScrollBar* bar, Moved moved);
};

}  // namespace zeph
