#pragma once
// Runs the forms' timers on QTimer. Each timer keeps its own phase: a tick
// is due every Interval from the moment it was switched on. A timer whose
// ticks only count (Scheduler::setQuiet) sleeps: the program is not woken
// for ticks that would change nothing, and ticks that only count are run
// together, late, right before anything could tell.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/scheduler.h"

namespace plix {

class QtScheduler : public Scheduler {
public:
    // Carries a tick's handler: the program's runs it at once, or after the
    // fetch that waits (QtEventPump::runHandler), and then redraws.
    using Runner = std::function<void(const std::function<void()>&)>;

    // afterTick runs after every timer handler (the window redraws from its struct).
    explicit QtScheduler(std::function<void()> afterTick = {});
    void setAfterTick(std::function<void()> afterTick) { afterTick_ = std::move(afterTick); }
    void setRunner(Runner run) { run_ = std::move(run); }

    void attach(TimerControl& timer, std::function<void()> onTick) override;
    void sync() override;
    void setQuiet(TimerControl& timer, std::function<long long()> quiet) override;
    void catchUp() override;

    // How many ticks ran so far, on time or late; for the tests.
    long long ticksRun() const { return ticksRun_; }

private:
    enum class State { Off, Ticking, Asleep };
    struct Entry {
        TimerControl* timer;
        std::function<void()> onTick;
        std::function<long long()> quiet;
        std::unique_ptr<QTimer> qtimer;
        State state = State::Off;
        int interval = 0;
        qint64 nextDue = 0;        // the next tick's time (ms on clock_)
        long long foldable = 0;    // asleep: the counting ticks from nextDue on, or kIdleTicks
        bool due = false;          // a tick waits its turn in the event queue or behind a fetch
    };
    void arm(Entry& e, qint64 at);
    void timedOut(Entry& e);
    void fire(Entry& e);
    void settle(Entry& e);
    void runFolded(Entry& e, long long count);
    qint64 now() const { return clock_.elapsed(); }

    std::vector<std::unique_ptr<Entry>> entries_;
    std::function<void()> afterTick_;
    Runner run_;
    QElapsedTimer clock_;
    long long ticksRun_ = 0;
};

}  // namespace plix
