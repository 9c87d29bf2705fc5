#pragma once
#include "desk/core/desk.h"

namespace plix {

class VeltoWindow;

// Connects the main window's buttons and menu items to their procedures.
void wireVeltoEvents(VeltoWindow& window, Desk& d);

}  // namespace plix
