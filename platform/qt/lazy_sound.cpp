#include "platform/qt/lazy_sound.h"

#include <cstdio>

namespace plix {

LazySound::~LazySound() {
    if (player_ && destroy_) destroy_(player_);
}

bool LazySound::load() {
    if (tried_) return player_ != nullptr;
    tried_ = true;
    using Create = SoundPlayer* (*)();
    using Destroy = void (*)(SoundPlayer*);
    const auto create = reinterpret_cast<Create>(library_.resolve("plixCreateSound"));
    destroy_ = reinterpret_cast<Destroy>(library_.resolve("plixDestroySound"));
    if (create && destroy_) player_ = create();
    if (!player_)
        std::fprintf(stderr, "plixdesk: no alert sound: %s\n",
                     library_.errorString().toLocal8Bit().constData());
    return player_ != nullptr;
}

void LazySound::play(const std::string& wavPath) {
    if (load()) player_->play(wavPath);
}

void LazySound::stop() {
    if (player_) player_->stop();
}

}  // namespace plix
