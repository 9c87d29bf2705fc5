#pragma once
// Disconnecting from and reconnecting to the server (menu "Control").
#include "desk/core/desk.h"

namespace plix {

// Asks first (unless the server ordered the disconnect), then stops polling
// and reconnecting until recon.
void discon_Click(Desk& d);
// Tests the network again and restarts the start-up sequence.
void recon_Click(Desk& d);

}  // namespace plix
