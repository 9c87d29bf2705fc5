#pragma once
#include "platform/event_pump.h"

namespace plix {

class QtEventPump : public EventPump {
public:
    void processPendingEvents() override;
};

}  // namespace plix
