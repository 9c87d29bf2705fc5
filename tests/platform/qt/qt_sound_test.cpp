// The alert sound must never hold the program up or fail loudly, with or
// without an audio device.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>

#include "platform/qt/lazy_sound.h"
#include "platform/qt/qt_sound.h"
#include "tests/support/qt_app.h"

namespace plix {
namespace {

TEST(QtSound, PlaysWithoutWaitingAndStaysHarmlessWithoutSound) {
    plix::testing::app();
    QtSound sound;
    const std::string chime = std::string(PLIX_SOURCE_DIR) + "/data/Notify.wav";
    QElapsedTimer clock;
    clock.start();
    sound.play(chime);
    sound.play(chime);                      // again at once: no queue builds up
    sound.play("/nonexistent/Notify.wav");  // missing file: silent
    sound.stop();
    sound.stop();
    EXPECT_LT(clock.elapsed(), 500);  // the chime itself lasts 800 ms

    if (QMediaDevices::audioOutputs().isEmpty()) {
        EXPECT_TRUE(sound.source().isEmpty());  // nothing started that could "play" for ever
    } else {
        sound.play(chime);
        EXPECT_EQ(sound.source(), QString::fromStdString(chime));
        sound.stop();
    }
}

// The module is loaded at the first sound, not at a stop; a missing module
// leaves the program silent.
TEST(LazySound, LoadsTheModuleAtTheFirstSoundAndStaysSilentWithoutIt) {
    plix::testing::app();
    const std::string chime = std::string(PLIX_SOURCE_DIR) + "/data/Notify.wav";
    LazySound sound(QStringLiteral(PLIX_SOUND_MODULE));
    sound.stop();
    EXPECT_FALSE(sound.loaded());
    sound.play(chime);
    EXPECT_TRUE(sound.loaded());
    sound.stop();

    LazySound missing(QStringLiteral("/nonexistent/plixdesk-sound.so"));
    missing.play(chime);
    missing.play(chime);
    missing.stop();
    EXPECT_FALSE(missing.loaded());
}

}  // namespace
}  // namespace plix
