#pragma once
// Timers are plain data on the forms (enabled + interval). A scheduler runs
// them: QTimer in the program, a simulated clock in the tests.
#include <functional>

namespace plix {

struct TimerControl {
    int Interval = 0;      // milliseconds
    bool Enabled = false;
};

class Scheduler {
public:
    virtual ~Scheduler() = default;
    // Registers a timer; onTick runs each time it fires.
    virtual void attach(TimerControl& timer, std::function<void()> onTick) = 0;
    // Takes up changes the logic made to Enabled or Interval. A timer that is
    // switched on, or whose interval changes, starts counting afresh.
    virtual void sync() = 0;
};

}  // namespace plix
