#pragma once
// The event pump of the program: draws before a fetch, lets pending events
// run once, and waits for an exchange on a worker thread while the windows
// keep painting and every handler that comes due is held until it is over.
#include <QObject>
#include <functional>
#include <vector>

#include "platform/event_pump.h"

namespace plix {

class QtEventPump : public EventPump {
public:
    // draw brings the program's windows up to date with its state.
    void setDraw(std::function<void()> draw) { draw_ = std::move(draw); }
    void drawNow() override;
    void processPendingEvents() override;

    // Runs job on a worker thread and returns when it is done. Meanwhile the
    // event loop runs for everything but the program: windows repaint (an
    // uncovered or resized window, the wait cursor), Qt's own timers run;
    // keys and clicks stay in Qt's queue; handlers that reach runHandler are
    // held. When the job is done the held handlers are posted in the order
    // they came, so they run once control is back in an event loop, after
    // the fetch returns, as they would after a blocking call.
    void runAside(const std::function<void()>& job) override;
    bool runHandler(const std::function<void()>& handler) override;
    bool waiting() const { return waiting_; }

private:
    void releaseHeld();

    std::function<void()> draw_;
    bool waiting_ = false;
    std::vector<std::function<void()>> held_;
    QObject context_;  // the released handlers go with the pump
};

}  // namespace plix
