// Running a tick's state step in tests, with the sounds it asks for gathered as data, and the view.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "model/tick/AnimationTick.h"

namespace zeph::test {

// What a run of ticks asked to hear, in order: each play with the volume last set before it
// (none while the start volume holds), the volume changes and the beeps.
struct Heard {
    struct Play {
        std::string file;
        std::optional<uint32_t> volume;
    };
    std::vector<Play> plays;
    std::optional<uint32_t> volume;
    int volumeChanges = 0;
    int beeps = 0;

    void Add(const TickEvents& e)
    {
        for (int i = 0; i < e.soundCount; ++i) {
            const SoundRequest& r = e.sounds[static_cast<size_t>(i)];
            if (r.kind == SoundRequest::SetVolume) {
                volume = r.volume;
                ++volumeChanges;
            }
            if (r.kind == SoundRequest::Play) plays.push_back({r.file, volume});
            if (r.kind == SoundRequest::Beep) ++beeps;
        }
    }
};

// A tick without advancing the angle: solve, map and outline at the current angle, then the
// cut-offs, steam, error indicator and pointer; its sounds are added to `heard` when given.
inline TickEvents TickInPlace(MechanismModel& m, Heard* heard = nullptr)
{
    SolveAndMap(m);
    const TickEvents e = UpdateTickState(m);
    if (heard) heard->Add(e);
    return e;
}

// The view as scale, pan x, pan y, compared as one.
using View = std::tuple<float, float, float>;
inline View ViewOf(const MechanismModel& m) { return {m.ViewScale, m.ViewPanX, m.ViewPanY}; }
inline void SetView(MechanismModel& m, float scale, float panX, float panY)
{
    m.ViewScale = scale;
    m.ViewPanX = panX;
    m.ViewPanY = panY;
}

}  // namespace zeph::test
