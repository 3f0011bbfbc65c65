// A scroll bar that always springs back to 0 and turns each user action into a step.
#pragma once

#include <QObject>
#include <QScrollBar>
#include <functional>

#include "model/MechanismModel.h"

namespace zeph {

// Wires a QScrollBar to the self-centring rule: every change computes a step from the new
// position and the bar's history, hands it to `apply`, and sets the bar back to 0 (which
// re-enters the change once with position 0 and a zero step). The history may be shared
// between several bars (the dynamic-variable bars of all windows share one per slot).
class SelfCentringBar : public QObject {
    Q_OBJECT
public:
    using Apply = std::function<void(Real step)>;

    SelfCentringBar(QScrollBar* bar, MechanismModel& model, BarHistory& history, Real divisor, Apply apply);

    QScrollBar* bar() const { return bar_; }
    // The change handler; public so that the bar's owner can run it for a programmatic move.
    void Change(int position);

signals:
    // Raised at the end of every change, after the bar has sprung back.
    void Changed();

private:
    QScrollBar* bar_;
    MechanismModel& m;
    BarHistory& history_;
    Real divisor_;
    Apply apply_;
};

}  // namespace zeph
