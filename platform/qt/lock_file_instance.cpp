#include "platform/qt/lock_file_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace plix {

LockFileInstance::LockFileInstance(QString lockPath) : lock_(std::make_unique<QLockFile>(lockPath)) {
    // The lock lives as long as the program: never count it stale by age,
    // only when its owner is gone.
    lock_->setStaleLockTime(0);
}

QString LockFileInstance::defaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QStringLiteral("/plixdesk.lock");
}

bool LockFileInstance::acquire() {
    if (lock_->isLocked()) return true;
    // tryLock removes and takes over a lock whose owner process is gone.
    return lock_->tryLock(0);
}

}  // namespace plix
