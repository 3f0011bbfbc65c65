// One window's four dynamic-variable bars and its "UnDo" button, wired to the shared store.
#pragma once

#include <QObject>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <functional>

#include "model/DynVars.h"

namespace zeph {

// The main window and each diagram window carry one of these; all of them drive the same four
// slots, the same bar histories and the same undo store.
class DynVarBars : public QObject {
    Q_OBJECT
public:
    struct Wiring {
        std::array<QScrollBar*, 4> bars{};
        QPushButton* undoButton = nullptr;
        QPushButton* mainUndoButton = nullptr;  // the main window's, enabled by every scroll
        QWidget* focusTarget = nullptr;          // takes the focus when a scroll ends
        UndoButtonsSink undoButtons;             // all five "UnDo" buttons at once
        std::function<void()> redraw;            // diagram windows redraw after a change
        bool isMainWindow = true;
    };

    DynVarBars(MechanismModel& model, Wiring wiring, QObject* parent = nullptr);

    // The events of slot s (1..4), public so that tests and windows can drive them.
    void BarEnter(int slot);
    void BarEndScroll(int slot);
    void UndoClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int SlotOf(QObject* bar) const;

    MechanismModel& m;
    Wiring w_;
};

}  // namespace zeph
