#include <gtest/gtest.h>

#include <QFile>
#include <memory>

#include "platform/qt/lock_file_instance.h"
#include "tests/support/qt_app.h"
#include "tests/support/temp_folder.h"

using namespace plix;

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstEnds) {
    plix::testing::app();
    plix::testing::TempFolder folder;
    const QString path = QString::fromStdString((folder / "plixdesk.lock").string());

    auto first = std::make_unique<LockFileInstance>(path);
    ASSERT_TRUE(first->acquire());
    LockFileInstance second(path);
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first->acquire());  // the holder stays the holder

    first.reset();
    EXPECT_TRUE(second.acquire());
}

TEST(SingleInstance, LockLeftByACrashedCopyIsTakenOver) {
    plix::testing::app();
    plix::testing::TempFolder folder;
    const QString path = QString::fromStdString((folder / "plixdesk.lock").string());
    // A lock file naming a process that no longer runs on this host.
    {
        QLockFile probe(path);
        ASSERT_TRUE(probe.tryLock(0));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray content = file.readAll();
        file.close();
        probe.unlock();
        QList<QByteArray> lines = content.split('\n');
        lines[0] = "4194300";  // a pid no process holds
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(lines.join('\n'));
    }
    LockFileInstance next(path);
    EXPECT_TRUE(next.acquire());
}
