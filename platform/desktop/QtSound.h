// The sound output over Qt Multimedia: wave files played by name, the wave-out volume and the default beep.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/SoundSink.h"

class QSoundEffect;

namespace zeph {

// Plays through Qt Multimedia, one sound effect per file, created on first use and restarted
// by every later play. The wave-out volume is the level of every effect, taken from the left
// channel. A missing or unreadable file, or a machine without an audio output, gives the
// default beep instead, without a message and without waiting for anything.
class QtSound : public SoundSink {
public:
    // beep stands in for QApplication::beep when given.
    explicit QtSound(std::function<void()> beep = {});
    ~QtSound() override;

    void PlayAsync(const QString& fileName) override;
    void SetWaveVolume(uint32_t leftLowRightHigh) override;
    uint32_t WaveVolume() const override { return volume_; }
    void Beep() override;

    // Effect volume 0..1 of a wave-out volume.
    static double EffectVolume(uint32_t leftLowRightHigh);

private:
    struct Effect {
        std::unique_ptr<QSoundEffect> sound;
        bool waiting = false;  // a play was asked for before the file finished loading
    };
    Effect& EffectFor(const QString& path);

    std::function<void()> beep_;
    uint32_t volume_ = 0xFFFFFFFF;
    std::map<QString, Effect> effects_;  // by absolute path
};

}  // namespace zeph
