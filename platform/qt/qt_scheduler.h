#pragma once
// Runs the forms' timers on QTimer.
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/scheduler.h"

namespace plix {

class QtScheduler : public Scheduler {
public:
    // afterTick runs after every timer handler (the window redraws from its struct).
    explicit QtScheduler(std::function<void()> afterTick = {}) : afterTick_(std::move(afterTick)) {}
    void setAfterTick(std::function<void()> afterTick) { afterTick_ = std::move(afterTick); }

    void attach(TimerControl& timer, std::function<void()> onTick) override;
    void sync() override;

private:
    struct Entry {
        TimerControl* timer;
        std::function<void()> onTick;
        std::unique_ptr<QTimer> qtimer;
        int interval = 0;
    };
    std::vector<std::unique_ptr<Entry>> entries_;
    std::function<void()> afterTick_;
};

}  // namespace plix
