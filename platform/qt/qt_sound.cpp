#include "platform/qt/qt_sound.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>

namespace plix {

void QtSound::play(const std::string& wavPath) {
    started_.clear();
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    const QUrl url = QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(wavPath)));
    // Loading is asynchronous; keep the loaded sound while the file stays the same.
    if (effect_.source() != url) effect_.setSource(url);
    effect_.setLoopCount(1);
    effect_.play();
    started_ = url.toLocalFile();
}

void QtSound::stop() { effect_.stop(); }

}  // namespace plix
