#include "platform/qt/qt_scheduler.h"

#include <algorithm>

namespace plix {
namespace {

// A sleeping timer that only counts still wakes now and then to count.
constexpr long long kMostFolded = 3600;

bool running(const TimerControl& t) { return t.Enabled && t.Interval > 0; }

}  // namespace

QtScheduler::QtScheduler(std::function<void()> afterTick) : afterTick_(std::move(afterTick)) {
    clock_.start();
}

void QtScheduler::attach(TimerControl& timer, std::function<void()> onTick) {
    auto entry = std::make_unique<Entry>();
    entry->timer = &timer;
    entry->onTick = std::move(onTick);
    entry->qtimer = std::make_unique<QTimer>();
    entry->qtimer->setSingleShot(true);
    Entry* raw = entry.get();
    QObject::connect(raw->qtimer.get(), &QTimer::timeout, raw->qtimer.get(),
                     [this, raw] { timedOut(*raw); });
    entries_.push_back(std::move(entry));
    sync();
}

void QtScheduler::setQuiet(TimerControl& timer, std::function<long long()> quiet) {
    for (auto& e : entries_)
        if (e->timer == &timer) e->quiet = std::move(quiet);
    sync();
}

void QtScheduler::arm(Entry& e, qint64 at) {
    // Timers of whole seconds keep to whole seconds, so that they share
    // their wake-ups (the main window's 1 and 2 second timers wake the
    // program together).
    e.qtimer->setTimerType(e.interval % 1000 == 0 ? Qt::VeryCoarseTimer : Qt::CoarseTimer);
    e.qtimer->start(static_cast<int>(std::clamp<qint64>(at - now(), 0, 0x7fffffff)));
}

// The timer's moment has come. The next tick is armed at once, so that a
// handler that waits in a message box (a nested event loop) does not stop
// its own timer. The handler runs from the event queue; a timer whose tick
// still waits (behind a fetch) queues no other: ticks that pile up while the
// program is busy merge into one, as they did when a fetch blocked.
void QtScheduler::timedOut(Entry& e) {
    if (e.state == State::Ticking) {
        const qint64 t = now();
        do e.nextDue += e.interval;
        while (e.nextDue <= t);
        arm(e, e.nextDue);
    }
    if (e.due) return;
    e.due = true;
    QMetaObject::invokeMethod(e.qtimer.get(), [this, &e] { fire(e); }, Qt::QueuedConnection);
}

void QtScheduler::fire(Entry& e) {
    const auto tick = [this, &e] {
        catchUp();
        e.due = false;
        // Switched off since it came due: a stopped timer does not tick.
        if (!running(*e.timer) || e.state == State::Off) return;
        if (e.state == State::Asleep) {
            // The tick that ends a sleep: the counting ticks before it first.
            if (e.foldable > 0) runFolded(e, e.foldable);
            e.state = State::Ticking;
            const qint64 t = now();
            do e.nextDue += e.interval;
            while (e.nextDue <= t);
            arm(e, e.nextDue);
        }
        ++ticksRun_;
        e.onTick();
        sync();
        if (afterTick_) afterTick_();
    };
    if (run_)
        run_(tick);
    else
        tick();
}

void QtScheduler::runFolded(Entry& e, long long count) {
    for (long long i = 0; i < count; ++i) {
        ++ticksRun_;
        e.onTick();
    }
    e.nextDue += count * e.interval;
    e.foldable -= count;
}

void QtScheduler::catchUp() {
    const qint64 t = now();
    for (auto& e : entries_) {
        if (e->state != State::Asleep || e->foldable <= 0 || e->nextDue > t) continue;
        runFolded(*e, std::min(e->foldable, (t - e->nextDue) / e->interval + 1));
    }
}

void QtScheduler::sync() {
    for (auto& e : entries_) {
        if (!running(*e->timer)) {
            if (e->state != State::Off) e->qtimer->stop();
            e->state = State::Off;
            continue;
        }
        if (e->state == State::Off || e->interval != e->timer->Interval) {
            // Switched on, or a new interval: it starts counting afresh.
            e->interval = e->timer->Interval;
            e->state = State::Ticking;
            e->nextDue = now() + e->interval;
            arm(*e, e->nextDue);
        }
        if (e->quiet) settle(*e);
    }
}

// Puts a timer to sleep while its ticks only count, and wakes it when the
// next one does more.
void QtScheduler::settle(Entry& e) {
    const long long quiet = e.quiet();
    if (e.state == State::Asleep && e.foldable == kIdleTicks) {
        // The ticks left out while idle are gone: the next one comes when it
        // would have come.
        const qint64 t = now();
        while (e.nextDue <= t) e.nextDue += e.interval;
    }
    if (quiet == 0) {
        if (e.state != State::Asleep) return;
        e.state = State::Ticking;
        arm(e, e.nextDue);
        return;
    }
    if (e.due) return;  // a tick waits its turn: it settles after it
    const long long folded = quiet == kIdleTicks ? kIdleTicks : std::min(quiet, kMostFolded);
    if (e.state == State::Asleep && e.foldable == folded) return;
    e.state = State::Asleep;
    e.foldable = folded;
    if (folded == kIdleTicks)
        e.qtimer->stop();
    else
        arm(e, e.nextDue + folded * e.interval);
}

}  // namespace plix
