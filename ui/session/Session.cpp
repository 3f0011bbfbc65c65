// The one session over the model: its controllers, the state of the main window's controls, and change signals.
#include "ui/session/Session.h"

#include "platform/SoundSink.h"

namespace zeph {

Session::Session(MechanismModel& model, SoundSink& sound, QObject* parent) : QObject(parent), m_(model), sound_(sound)
{
    m_.StartUp();
    sound_.SetWaveVolume(HalfVolume);
    gear_.SetInitialBarRange();
}

}  // namespace zeph
