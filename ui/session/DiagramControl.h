// The diagrams' commands: the positions dialog's boxes and list, the pending redraw, a diagram's computation.
#pragma once

#include "model/diagrams/DiagramData.h"
#include "ui/session/SessionController.h"

namespace zeph {

class DiagramControl : SessionController {
public:
    using SessionController::SessionController;

    // A position box (1..9) of the positions dialog left with a number: stored by the list's
    // rules; a number beyond the 32-bit range goes to the nearest end of the reverse-arm range.
    void LeaveDiagramPositionBox(int box, double value);
    // The scale box left with a number: within 0.1 .. 10000, a number beyond either taken as it.
    void LeaveDiagramScaleBox(double value);
    // The positions dialog painted or closed: the list tidied and counted. Returns the count.
    int TidyDiagramPositionList();
    // The positions dialog closed: the diagram that opened it redraws at the next mouse move.
    void DiagramPositionsClosed();
    // Whether that redraw is due; Take also clears it.
    bool RedrawPending() const { return redrawPending_; }
    bool TakeDiagramRedrawPending();
    // A diagram's computation, which sweeps the drive and restores it (see ComputeDiagram).
    DiagramData ComputeDiagram(DiagramKind kind, PortsMode portsMode = PortsMode::Forward);

private:
    bool redrawPending_ = false;
};

}  // namespace zeph
