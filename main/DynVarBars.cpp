// One window's four dynamic-variable bars and its "UnDo" button, wired to the shared store.
#include "main/DynVarBars.h"

#include <QKeyEvent>

#include "main/SelfCentringBar.h"

namespace zeph {

DynVarBars::DynVarBars(MechanismModel& model, Wiring wiring, QObject* parent)
    : QObject(parent), m(model), w_(std::move(wiring))
{
    for (int s = 1; s <= 4; ++s) {
        QScrollBar* bar = w_.bars[s - 1];
        bar->setFocusPolicy(Qt::StrongFocus);  // so that using the bar raises its enter event
        bar->installEventFilter(this);
        auto* centring = new SelfCentringBar(bar, m, m.BarHistories[s], 1000, [this, s](Real) {
            m.DynVarSlotIndex = s;
            ApplyDynVarStep(m);
        });
        if (w_.redraw) connect(centring, &SelfCentringBar::Changed, this, [this] { w_.redraw(); });
    }
    if (w_.undoButton) connect(w_.undoButton, &QPushButton::clicked, this, &DynVarBars::UndoClick);
}

int DynVarBars::SlotOf(QObject* bar) const
{
    for (int s = 1; s <= 4; ++s)
        if (w_.bars[s - 1] == bar) return s;
    return 0;
}

bool DynVarBars::eventFilter(QObject* watched, QEvent* event)
{
    const int slot = SlotOf(watched);
    if (slot == 0) return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        BarEnter(slot);
        break;
    case QEvent::MouseButtonRelease:
        BarEndScroll(slot);
        break;
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool scrolls = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_PageUp ||
                             key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down;
        if (scrolls && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) BarEndScroll(slot);
        break;
    }
    default:
        break;
    }
    return false;
}

void DynVarBars::BarEnter(int slot)
{
    m.ScrollStartValue = m.DynVarSlots[slot].value;
}

// A finished scroll is one undoable change, from the value the bar found to the value now.
void DynVarBars::BarEndScroll(int slot)
{
    if (w_.mainUndoButton) w_.mainUndoButton->setEnabled(true);
    m.DimEditTyped = true;
    PushUndo(m, w_.undoButtons);
    const DynVarSlot& s = m.DynVarSlots[slot];
    m.UndoStack[1] = {static_cast<int32_t>(s.code), m.ScrollStartValue, s.value, s.name};
    if (w_.focusTarget) w_.focusTarget->setFocus();
    if (w_.redraw) w_.redraw();
    m.DimEditTyped = false;
}

void DynVarBars::UndoClick()
{
    const bool anything = m.UndoStack[1].code > 0;
    if (w_.isMainWindow) {
        if (anything)
            UndoLast(m, w_.undoButtons);
        else if (w_.undoButton)
            w_.undoButton->setEnabled(false);
        return;
    }
    if (!anything) {
        if (w_.mainUndoButton) w_.mainUndoButton->setEnabled(false);
        if (w_.undoButton) w_.undoButton->setEnabled(false);
    } else {
        UndoLast(m, w_.undoButtons);
    }
    if (w_.redraw) w_.redraw();
}

}  // namespace zeph
