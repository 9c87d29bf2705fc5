#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <csignal>

#include "platform/qt/qt_scheduler.h"
#include "platform/qt/quit_signals.h"
#include "tests/support/qt_app.h"

using namespace plix;

// A handler that waits in a nested event loop (as under a message box) must
// not stop its own timer: the change poll keeps running behind the box.
TEST(QtScheduler, TimerKeepsTickingWhileItsHandlerWaitsInANestedLoop) {
    plix::testing::app();
    QtScheduler scheduler;
    TimerControl poll{10, true};
    int ticks = 0, ticksDuringWait = -1;
    scheduler.attach(poll, [&] {
        if (++ticks != 1) return;
        QEventLoop wait;
        QTimer::singleShot(150, &wait, &QEventLoop::quit);
        wait.exec();
        ticksDuringWait = ticks - 1;
        poll.Enabled = false;
    });
    QEventLoop outer;
    QTimer::singleShot(400, &outer, &QEventLoop::quit);
    outer.exec();
    EXPECT_GT(ticksDuringWait, 1);
}

// The session's SIGTERM reaches the program on its event loop, where it may
// save and quit; the signal handler itself does nothing else.
TEST(QuitSignals, ASigtermRunsTheHandlerOnTheEventLoop) {
    plix::testing::app();
    int calls = 0;
    QuitSignals quit([&calls] { ++calls; });
    ::raise(SIGTERM);
    EXPECT_EQ(calls, 0);
    for (int i = 0; i < 100 && calls == 0; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(calls, 1);
}
