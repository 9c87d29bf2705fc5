#pragma once
#include <string>

namespace plix {

// The alert sound. Playing without an audio device must stay silent and harmless.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::string& wavPath) = 0;
    virtual void stop() = 0;
};

}  // namespace plix
