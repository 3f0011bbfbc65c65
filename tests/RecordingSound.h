// Sound sink for tests: remembers every play with the volume in force and counts the rest.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "platform/SoundSink.h"

namespace zeph {

class RecordingSound : public SoundSink {
public:
    struct Play {
        QString fileName;
        uint32_t volume = 0;
    };

    explicit RecordingSound(uint32_t volume = 0xFFFFFFFF) : volume(volume) {}

    void PlayAsync(const QString& fileName) override { plays.push_back({fileName, volume}); }
    void SetWaveVolume(uint32_t leftLowRightHigh) override
    {
        volume = leftLowRightHigh;
        ++volumeChanges;
    }
    uint32_t WaveVolume() const override { return volume; }
    void Beep() override { ++beeps; }

    std::vector<Play> plays;
    uint32_t volume;
    int volumeChanges = 0;
    int beeps = 0;
};

}  // namespace zeph
