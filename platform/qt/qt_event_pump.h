#pragma once
#include <functional>

#include "platform/event_pump.h"

namespace plix {

class QtEventPump : public EventPump {
public:
    // draw brings the program's windows up to date with its state.
    void setDraw(std::function<void()> draw) { draw_ = std::move(draw); }
    void drawNow() override;
    void processPendingEvents() override;

private:
    std::function<void()> draw_;
};

}  // namespace plix
