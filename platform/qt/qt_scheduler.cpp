#include "platform/qt/qt_scheduler.h"

namespace plix {

void QtScheduler::attach(TimerControl& timer, std::function<void()> onTick) {
    auto entry = std::make_unique<Entry>();
    entry->timer = &timer;
    entry->onTick = std::move(onTick);
    entry->qtimer = std::make_unique<QTimer>();
    Entry* raw = entry.get();
    // The handler runs from the event queue rather than inside the timer's
    // own activation: Qt never fires a timer again while its slot runs, so a
    // handler that waits in a message box would otherwise stop that timer (and
    // the change poll with it) until the user answers.
    QObject::connect(raw->qtimer.get(), &QTimer::timeout, raw->qtimer.get(), [this, raw] {
        QMetaObject::invokeMethod(raw->qtimer.get(), [this, raw] {
            raw->onTick();
            sync();
            if (afterTick_) afterTick_();
        }, Qt::QueuedConnection);
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
