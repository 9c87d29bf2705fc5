#pragma once
#include "desk/core/desk.h"

namespace plix {

class VeltoWindow;
class VeltologWindow;

// Connects the main window's buttons and menu items to their procedures.
void wireVeltoEvents(VeltoWindow& window, Desk& d);
// The log commands of the notification-icon menu.
void wireLogEvents(VeltoWindow& window, VeltologWindow& log, Desk& d);

}  // namespace plix
