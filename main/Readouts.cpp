// Window captions, the numeric readouts, the error indicator, cut-offs and the panels' texts.
#include "main/Readouts.h"

namespace zeph {

Readouts::Readouts(MechanismModel& model, SoundSink& sound) : m(model), sound_(sound) {}

void Readouts::DrawCaptions() {}

void Readouts::DrawReadouts(Canvas&) {}

}  // namespace zeph
