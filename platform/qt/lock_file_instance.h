#pragma once
// One running copy per user: a lock file in the user's runtime folder. A lock
// left behind by a copy that crashed is taken over (QLockFile checks whether
// its owner still runs).
#include <QLockFile>
#include <QString>
#include <memory>

#include "platform/single_instance.h"

namespace plix {

class LockFileInstance : public SingleInstance {
public:
    explicit LockFileInstance(QString lockPath = defaultLockPath());
    bool acquire() override;
    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace plix
