#include "platform/testing/sim_scheduler.h"

namespace plix {

void SimScheduler::attach(TimerControl& timer, std::function<void()> onTick) {
    entries_.push_back(Entry{&timer, std::move(onTick)});
    sync();
}

void SimScheduler::sync() {
    for (auto& e : entries_) {
        const bool running = e.timer->Enabled && e.timer->Interval > 0;
        if (!running) {
            e.armed = false;
        } else if (!e.armed || e.interval != e.timer->Interval) {
            e.armed = true;
            e.interval = e.timer->Interval;
            e.due = now_ + e.interval;
        }
    }
}

void SimScheduler::advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    for (;;) {
        sync();
        Entry* next = nullptr;
        for (auto& e : entries_)
            if (e.armed && e.due <= end && (!next || e.due < next->due)) next = &e;
        if (!next) break;
        now_ = next->due;
        next->due += next->interval;
        next->onTick();
    }
    now_ = end;
    sync();
}

}  // namespace plix
