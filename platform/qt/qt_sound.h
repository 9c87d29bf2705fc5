#pragma once
// The alert sound through Qt Multimedia's QSoundEffect.
#include <QSoundEffect>
#include <QString>

#include "platform/sound.h"

namespace plix {

class QtSound : public SoundPlayer {
public:
    // Starts the sound and returns at once. Without an audio output nothing
    // is started: QSoundEffect would then report "playing" for ever. A missing
    // or broken file fails to load and stays silent.
    void play(const std::string& wavPath) override;
    void stop() override;

    // What play() last handed to QSoundEffect (empty when it started nothing).
    QString source() const { return started_; }

private:
    QSoundEffect effect_;
    QString started_;
};

}  // namespace plix
