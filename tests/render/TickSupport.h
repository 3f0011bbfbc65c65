// Running a tick's state step for picture tests, with its sounds replayed into a recording sound sink.
#pragma once

#include "model/AnimationTick.h"
#include "platform/desktop/Sound.h"

namespace zeph::test {

// The sounds of a tick, in order, as the session plays them.
inline void PlayInto(const TickEvents& e, SoundSink& sound)
{
    for (int i = 0; i < e.soundCount; ++i) {
        const SoundRequest& r = e.sounds[static_cast<size_t>(i)];
        if (r.kind == SoundRequest::SetVolume) sound.SetWaveVolume(r.volume);
        if (r.kind == SoundRequest::Play) sound.PlayAsync(QString::fromLatin1(r.file));
        if (r.kind == SoundRequest::Beep) sound.Beep();
    }
}

// The part of a tick after solving and mapping (cut-offs, steam, error indicator, pointer),
// without advancing the angle; its sounds go to `sound`.
inline TickEvents UpdateState(MechanismModel& m, SoundSink& sound)
{
    const TickEvents e = UpdateTickState(m);
    PlayInto(e, sound);
    return e;
}

}  // namespace zeph::test
