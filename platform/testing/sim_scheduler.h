#pragma once
// A simulated clock for tests: advancing it fires every due timer in time
// order (timers due at the same moment fire in the order they were attached).
#include <cstdint>
#include <vector>

#include "platform/scheduler.h"

namespace plix {

class SimScheduler : public Scheduler {
public:
    void attach(TimerControl& timer, std::function<void()> onTick) override;
    void sync() override;

    // Moves the clock forward by ms milliseconds, firing due timers on the way.
    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }

private:
    struct Entry {
        TimerControl* timer;
        std::function<void()> onTick;
        bool armed = false;
        int interval = 0;
        std::int64_t due = 0;
    };
    std::vector<Entry> entries_;
    std::int64_t now_ = 0;
};

}  // namespace plix
