// A scroll bar that always springs back to 0 and turns each user action into a step.
#include "main/SelfCentringBar.h"

#include "model/ViewTransform.h"

namespace zeph {

SelfCentringBar::SelfCentringBar(QScrollBar* bar, MechanismModel& model, BarHistory& history, Real divisor,
                                 Apply apply)
    : QObject(bar), bar_(bar), m(model), history_(history), divisor_(divisor), apply_(std::move(apply))
{
    connect(bar_, &QScrollBar::valueChanged, this, &SelfCentringBar::Change);
}

void SelfCentringBar::Change(int position)
{
    const Real step = BarStep(position, history_.last, history_.secondLast, divisor_, bar_->singleStep(),
                              bar_->pageStep());
    m.DynVarStep = static_cast<float>(step);
    apply_(step);
    history_.secondLast = history_.last;
    history_.last = position;
    bar_->setValue(0);
    emit Changed();
}

}  // namespace zeph
