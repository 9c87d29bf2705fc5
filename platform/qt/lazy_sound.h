#pragma once
// The alert sound, loaded when it first plays. Qt Multimedia and the sound
// system it brings (PulseAudio, codecs) live in a module of their own beside
// the program, so that a supplier who never hears an alert (the sound setting
// off) never loads them: a stop before any play loads nothing.
#include <QLibrary>
#include <QString>
#include <memory>

#include "platform/sound.h"

namespace plix {

class LazySound : public SoundPlayer {
public:
    explicit LazySound(QString modulePath) : library_(modulePath) {}
    ~LazySound() override;
    LazySound(const LazySound&) = delete;
    LazySound& operator=(const LazySound&) = delete;

    // Loads the module at the first call; a module that is missing or broken
    // leaves the program silent (said once on stderr), as a missing wave file does.
    void play(const std::string& wavPath) override;
    void stop() override;

    bool loaded() const { return player_ != nullptr; }

private:
    bool load();

    QLibrary library_;
    SoundPlayer* player_ = nullptr;
    void (*destroy_)(SoundPlayer*) = nullptr;
    bool tried_ = false;
};

}  // namespace plix
