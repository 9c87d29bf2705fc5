#pragma once
// Timers are plain data on the forms (enabled + interval). A scheduler runs
// them: QTimer in the program, a simulated clock in the tests.
#include <functional>

namespace plix {

struct TimerControl {
    int Interval = 0;      // milliseconds
    bool Enabled = false;
    bool operator==(const TimerControl&) const = default;
};

// What a quiet function answers when the timer's ticks would change nothing
// at all until some other handler runs.
inline constexpr long long kIdleTicks = -1;

class Scheduler {
public:
    virtual ~Scheduler() = default;
    // Registers a timer; onTick runs each time it fires.
    virtual void attach(TimerControl& timer, std::function<void()> onTick) = 0;
    // Takes up changes the logic made to Enabled or Interval. A timer that is
    // switched on, or whose interval changes, starts counting afresh.
    virtual void sync() = 0;

    // Lets a timer's ticks that do nothing but count sleep. quiet answers,
    // after each handler, how many of the timer's coming ticks only count
    // (0: the next one does more), or kIdleTicks when its ticks would change
    // nothing until another handler runs. A scheduler may then leave the
    // idle ticks out, and run the counting ones late, all at once: right
    // before the tick that does more, and before any other handler (catchUp),
    // so that nothing can tell them from ticks that came on time. The
    // simulated clock runs every tick on time.
    virtual void setQuiet(TimerControl& /*timer*/, std::function<long long()> /*quiet*/) {}
    // Runs the counting ticks that came due while the timer slept: called
    // before every handler.
    virtual void catchUp() {}
};

}  // namespace plix
