#pragma once

namespace plix {

// Lets the events that are waiting (timer ticks, clicks, repaints) run once,
// as a fetch does before it blocks.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

}  // namespace plix
