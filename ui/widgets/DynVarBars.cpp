// One window's four dynamic-variable bars and its "UnDo" button, driving the session's shared slots and undo store.
#include "ui/widgets/DynVarBars.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "model/editing/DynVars.h"
#include "ui/session/Session.h"
#include "ui/widgets/SelfCentringBar.h"

namespace zeph {

DynVarBars::DynVarBars(Session& session, Wiring wiring, QObject* parent)
    : QObject(parent), session_(session), w_(std::move(wiring))
{
    for (int s = 1; s <= 4; ++s) {
        QScrollBar* bar = w_.bars[static_cast<size_t>(s - 1)];
        bar->setFocusPolicy(Qt::StrongFocus);  // so that using the bar raises its enter event
        bar->installEventFilter(this);
        SelfCentringBar::Connect(bar, [this, s](int position) { Moved(s, position); });
    }
    if (w_.undoButton) connect(w_.undoButton, &QPushButton::clicked, this, &DynVarBars::UndoClick);
}

void DynVarBars::Refresh()
{
    const MechanismModel& m = session_.model();
    for (int s = 1; s <= 4; ++s) {
        QScrollBar* bar = w_.bars[static_cast<size_t>(s - 1)];
        bar->setVisible(m.DynVarOn);
        bar->setEnabled(DynVarSlotInUse(m, s));
    }
    if (w_.undoButton) w_.undoButton->setEnabled(session_.controls().undoEnabled);
}

int DynVarBars::SlotOf(QObject* bar) const
{
    for (int s = 1; s <= 4; ++s)
        if (w_.bars[static_cast<size_t>(s - 1)] == bar) return s;
    return 0;
}

namespace {

bool IsScrollKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home || key == Qt::Key_End;
}

// The buttons that drag the thumb or step it while held; the right button opens the bar's menu.
bool IsDragButton(const QEvent* e)
{
    const Qt::MouseButton b = static_cast<const QMouseEvent*>(e)->button();
    return b == Qt::LeftButton || b == Qt::MiddleButton;
}

}  // namespace

bool DynVarBars::eventFilter(QObject* watched, QEvent* event)
{
    const int slot = SlotOf(watched);
    if (slot == 0) return false;
    Use& use = use_[static_cast<size_t>(slot - 1)];
    switch (event->type()) {
    case QEvent::FocusIn:
        BarEnter(slot);
        break;
    case QEvent::MouseButtonPress:
        // A change starts from the value the slot has now, also where the press gave no focus.
        if (IsDragButton(event) && !use.mouseDown) {
            use.mouseDown = true;
            BarEnter(slot);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (IsDragButton(event) && use.mouseDown) {
            use.mouseDown = false;
            BarEndScroll(slot);
        }
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsScrollKey(key->key()) && !key->isAutoRepeat() && !use.keyDown) {
            use.keyDown = true;
            BarEnter(slot);
        }
        break;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsScrollKey(key->key()) && !key->isAutoRepeat() && use.keyDown) {
            use.keyDown = false;
            BarEndScroll(slot);
        }
        break;
    }
    case QEvent::Hide:
        use = Use{};
        break;
    default:
        break;
    }
    return false;
}

void DynVarBars::Moved(int slot, int position)
{
    const Use& use = use_[static_cast<size_t>(slot - 1)];
    const bool held = use.mouseDown || use.keyDown;
    if (!held) BarEnter(slot);  // the wheel and the bar's menu give no focus to start from
    session_.Dimensions().MoveDynVarBar(slot, position);
    if (w_.redraw) w_.redraw();
    if (!held) BarEndScroll(slot);
}

void DynVarBars::BarEnter(int slot)
{
    session_.Dimensions().EnterDynVarBar(slot);
}

// A finished scroll is one undoable change, from the value the bar found to the value now.
void DynVarBars::BarEndScroll(int slot)
{
    session_.Dimensions().EndDynVarScroll(slot);
    if (w_.focusTarget) w_.focusTarget->setFocus();
    Run(w_.afterScroll);
}

void DynVarBars::UndoClick()
{
    session_.Dimensions().Undo();
    Run(w_.afterUndo);
}

void DynVarBars::Run(const std::function<void()>& action)
{
    if (action)
        action();
    else if (w_.redraw)
        w_.redraw();
}

}  // namespace zeph
