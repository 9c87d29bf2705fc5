// The module that LazySound loads: the alert sound over Qt Multimedia.
#include "platform/qt/qt_sound.h"

extern "C" {

Q_DECL_EXPORT plix::SoundPlayer* plixCreateSound() { return new plix::QtSound; }

Q_DECL_EXPORT void plixDestroySound(plix::SoundPlayer* sound) { delete sound; }
}
