#pragma once
#include <string>

namespace plix {

// The module that carries the alert sound, beside the program: loaded when
// the first alert sounds, so that a program without sound loads no sound
// system. The installer copies it with the program.
inline constexpr const char* kSoundModule = "plixdesk-sound.so";

// The alert sound. Playing without an audio device must stay silent and harmless.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& wavPath) = 0;
    virtual void stop() = 0;
};

}  // namespace plix
