#pragma once
#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kAlertSound = "Notify.wav";

void Play_Sound(Desk& d);
void Stop_Sound(Desk& d);
// Takes the icon out of the notification area.
void deleteTrayIcon(Desk& d);

}  // namespace plix

namespace plix {

// Puts the icon in the notification area and hides the main window.
void ttray_Click(Desk& d);

}  // namespace plix
