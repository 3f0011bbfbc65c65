// The sound output the session plays a tick's sounds through: wave files by name, the volume, the beep.
#pragma once

#include <QString>
#include <cstdint>

namespace zeph {

// The wave-out level, both channels at half, the program sets at start and leaves at exit.
constexpr uint32_t HalfVolume = 0x80008000u;

class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Starts a wave file found among the data files (platform/DataFiles.h) and returns at once.
    virtual void PlayAsync(const QString& fileName) = 0;
    // Left level in the low 16 bits, right level in the high 16 bits, 0xFFFF each for full.
    virtual void SetWaveVolume(uint32_t leftLowRightHigh) = 0;
    virtual uint32_t WaveVolume() const = 0;
    virtual void Beep() = 0;
};

}  // namespace zeph
