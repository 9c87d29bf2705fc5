#pragma once
#include <functional>

namespace plix {

// The screen and the waiting events around a fetch.
//
// A fetch runs its exchange aside (runAside) and waits for it while the
// windows keep painting. Nothing of the program runs meanwhile: every event
// handler reaches the program through runHandler, which holds the handlers
// that come due during the wait (timer ticks, commands, a closed window) and
// lets them run after it, in the order they came, as they would have run
// after a call that blocked. Only the one chance a fetch gives pending
// events before its exchange (processPendingEvents) lets a handler run inside
// another.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Brings what the program's state says onto the screen at once (the
    // hourglass, a status line) without letting any event run.
    virtual void drawNow() = 0;
    // Draws as drawNow does, then lets the events that are waiting (timer
    // ticks, clicks, repaints) run once, as a fetch does before it blocks.
    virtual void processPendingEvents() = 0;

    // Runs job (a blocking exchange) and returns when it is done. A pump
    // with a screen runs it off the user-interface thread and keeps the
    // windows painting meanwhile; job must touch nothing but its own data.
    // Here it simply runs.
    virtual void runAside(const std::function<void()>& job) { job(); }
    // Runs an event handler now, or, while a job runs aside, after it.
    // Returns whether it ran now.
    virtual bool runHandler(const std::function<void()>& handler) {
        handler();
        return true;
    }
};

}  // namespace plix
