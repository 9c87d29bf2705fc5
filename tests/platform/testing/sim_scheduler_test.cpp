#include <gtest/gtest.h>

#include <string>

#include "platform/testing/sim_scheduler.h"

using namespace plix;

TEST(SimScheduler, FiresDueTimersInTimeOrderAndRestartsSwitchedOnTimers) {
    SimScheduler clock;
    TimerControl fast{500, true}, slow{1000, true}, off{100, false};
    std::string log;
    clock.attach(slow, [&] { log += 'S'; });
    clock.attach(fast, [&] {
        log += 'F';
        if (log.size() == 1) off.Enabled = true;  // switched on from inside a tick
    });
    clock.attach(off, [&] {
        log += 'o';
        off.Enabled = false;
    });
    clock.advance(1000);
    // 500: F (switches 'off' on) -> 600: o -> 1000: S then F (attached order).
    EXPECT_EQ(log, "FoSF");
    EXPECT_EQ(clock.now(), 1000);

    log.clear();
    slow.Interval = 300;  // a new interval counts afresh from now
    clock.advance(300);
    EXPECT_EQ(log, "S");
}
