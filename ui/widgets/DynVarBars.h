// One window's four dynamic-variable bars and its "UnDo" button, driving the session's shared slots and undo store.
#pragma once

#include <QObject>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <functional>

namespace zeph {

class Session;

// The tool tips of bars 1..4, the same in every window.
inline constexpr const char* DynVarBarHints[4] = {"Change Last Variable Clicked", "Change Next to Last Variable Clicked",
                                                  "Change 2nd to Last Variable Clicked",
                                                  "Change 3rd to Last Variable Clicked"};

// The main window and each diagram window carry one of these; all of them drive the same four
// slots, the same bar histories and the same undo store through the session. Every way a bar
// can move ends in exactly one undo level per completed change that moved the value (a thumb
// let go where it was leaves none): a drag, a held arrow or trough press ends when the mouse
// button is released, a key when it is released, and a move made neither by the mouse nor by a
// key (a wheel notch, the bar's own context menu) at once.
class DynVarBars : public QObject {
    Q_OBJECT
public:
    struct Wiring {
        std::array<QScrollBar*, 4> bars{};
        QPushButton* undoButton = nullptr;
        QWidget* focusTarget = nullptr;  // takes the focus when a scroll ends
        std::function<void()> redraw;    // diagram windows redraw after a change
        // What follows a finished scroll and an undo in a diagram window (the redraw when unset).
        std::function<void()> afterScroll;
        std::function<void()> afterUndo;
    };

    DynVarBars(Session& session, Wiring wiring, QObject* parent = nullptr);

    // Bars shown with the dynamic variables, each enabled while its slot holds a dimension;
    // the "UnDo" button enabled while the store holds a level.
    void Refresh();

    // The events of slot s (1..4), public so that windows and tests can drive them.
    void BarEnter(int slot);
    void BarEndScroll(int slot);
    void UndoClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the user is holding down on a bar: a change ends when it is let go.
    struct Use {
        bool mouseDown = false;
        bool keyDown = false;
    };

    int SlotOf(QObject* bar) const;
    void Moved(int slot, int position);
    void Run(const std::function<void()>& action);

    Session& session_;
    Wiring w_;
    std::array<Use, 4> use_{};
};

}  // namespace zeph
