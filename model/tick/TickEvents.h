// What one animation tick asks of the world outside the model: sounds, the warning icon, the pointer's dialogs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zeph {

// One request to the sound output, in the order the tick made it.
struct SoundRequest {
    enum Kind : uint8_t { SetVolume, Play, Beep };
    Kind kind = Beep;
    uint32_t volume = 0;        // SetVolume: left level low 16 bits, right level high 16 bits
    const char* file = nullptr;  // Play: wave file name
};

// The events of one tick. A window turns them into sounds, an icon and dialogs; the model
// itself stays free of all of them.
struct TickEvents {
    // At most two beats (a volume and a play each), four zero-height beeps and the error sound.
    static constexpr int MaxSounds = 12;
    std::array<SoundRequest, MaxSounds> sounds{};
    int soundCount = 0;

    std::optional<bool> errorIconVisible;  // show or hide the mechanism warning

    // The dimension pointer: the dialog it belongs to is closed while it shows and reopened
    // when it ends; the busy cursor goes with it.
    enum class Dialog : uint8_t { None, Frame, Cylinder };
    Dialog closeDialog = Dialog::None;
    Dialog reopenDialog = Dialog::None;
    std::optional<bool> busyCursor;

    void Add(SoundRequest request)
    {
        if (soundCount < MaxSounds) sounds[static_cast<size_t>(soundCount++)] = request;
    }
    void SetVolume(uint32_t volume) { Add({SoundRequest::SetVolume, volume, nullptr}); }
    void Play(const char* file) { Add({SoundRequest::Play, 0, file}); }
    void Beep() { Add({SoundRequest::Beep, 0, nullptr}); }
};

}  // namespace zeph
