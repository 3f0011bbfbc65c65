// Sound output: wave files played by name, the wave-out volume and the default beep.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QSoundEffect;

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

// Sound sink for tests: remembers every play with the volume in force and counts the rest.
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
