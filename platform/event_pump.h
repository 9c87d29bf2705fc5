#pragma once

namespace plix {

// The screen and the waiting events around a blocking call.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Brings what the program's state says onto the screen at once (the
    // hourglass, a status line) without letting any event run.
    virtual void drawNow() = 0;
    // Draws as drawNow does, then lets the events that are waiting (timer
    // ticks, clicks, repaints) run once, as a fetch does before it blocks.
    virtual void processPendingEvents() = 0;
};

}  // namespace plix
