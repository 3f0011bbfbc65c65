// The base of the session's controllers: the model, the controls' state and the session they signal through.
#pragma once

#include "ui/session/ControlState.h"
#include "ui/session/SessionChange.h"

namespace zeph {

class MechanismModel;
class Session;

// Every controller changes the one model and the one control state and reports what it touched
// through the session's single change signal; siblings are reached through the session.
class SessionController {
public:
    SessionController(Session& session, MechanismModel& model, ControlState& controls)
        : s_(session), m(model), c_(controls)
    {
    }

protected:
    void Emit(Changes what);

    Session& s_;
    MechanismModel& m;
    ControlState& c_;
};

}  // namespace zeph
