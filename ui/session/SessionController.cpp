// The base of the session's controllers: the model, the controls' state and the session they signal through.
#include "ui/session/SessionController.h"

#include "ui/session/Session.h"

namespace zeph {

void SessionController::Emit(Changes what) { s_.Emit(what); }

}  // namespace zeph
