#include "platform/qt/qt_scheduler.h"

namespace plix {

void QtScheduler::attach(TimerControl& timer, std::function<void()> onTick) {
    auto entry = std::make_unique<Entry>();
    entry->timer = &timer;
    entry->onTick = std::move(onTick);
    entry->qtimer = std::make_unique<QTimer>();
    Entry* raw = entry.get();
    QObject::connect(raw->qtimer.get(), &QTimer::timeout, [this, raw] {
        raw->onTick();
        sync();
        if (afterTick_) afterTick_();
    });
    entries_.push_back(std::move(entry));
    sync();
}

void QtScheduler::sync() {
    for (auto& e : entries_) {
        const bool running = e->timer->Enabled && e->timer->Interval > 0;
        if (!running) {
            e->qtimer->stop();
        } else if (!e->qtimer->isActive() || e->interval != e->timer->Interval) {
            e->interval = e->timer->Interval;
            e->qtimer->start(e->interval);
        }
    }
}

}  // namespace plix
