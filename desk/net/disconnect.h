#pragma once
// Disconnecting from the server: polling and reconnecting stop until the
// user reconnects (menu "Reconnect").
#include "desk/core/desk.h"

namespace plix {

// Disconnected := 1 with the menu's tick and the status texts; after a
// server's order (ServerCommand 2) the request list is hidden too.
void disconnect(Desk& d);

}  // namespace plix
