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

// Ticks that only count let the program sleep: the handler still sees every
// tick, and the counting ones run before the tick that does more, so a
// countdown polls exactly when it would on time; the runner (a wake-up of
// the program) comes only for the ticks that do more.
TEST(QtScheduler, CountingTicksSleepYetAllRunBeforeTheTickThatDoesMore) {
    plix::testing::app();
    QtScheduler scheduler;
    int wakes = 0;
    scheduler.setRunner([&wakes](const std::function<void()>& tick) {
        ++wakes;
        tick();
    });
    TimerControl countdown{20, true};
    int ticks = 0, left = 5, polls = 0;
    bool onTime = true;
    scheduler.attach(countdown, [&] {
        ++ticks;
        if (--left > 0) return;
        ++polls;
        onTime = onTime && ticks % 5 == 0;
        left = 5;
    });
    scheduler.setQuiet(countdown, [&left] { return static_cast<long long>(left - 1); });
    QEventLoop loop;
    QTimer::singleShot(420, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(polls, 3);
    EXPECT_TRUE(onTime);
    EXPECT_EQ(wakes, polls);
    scheduler.catchUp();  // what came due since the last poll, before any other handler
    EXPECT_GE(ticks, 5 * polls);
    EXPECT_LE(ticks, 5 * polls + 4);
}

// A timer whose ticks would change nothing is not woken at all, and ticks
// again once another handler changed what it watches.
TEST(QtScheduler, AnIdleTimerStopsUntilItsStateChanges) {
    plix::testing::app();
    QtScheduler scheduler;
    TimerControl watch{10, true};
    int ticks = 0;
    bool idle = true;
    scheduler.attach(watch, [&ticks] { ++ticks; });
    scheduler.setQuiet(watch, [&idle] { return idle ? kIdleTicks : 0; });
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    scheduler.catchUp();
    EXPECT_EQ(ticks, 0);

    idle = false;
    scheduler.sync();  // after the handler that changed it
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GT(ticks, 2);
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
