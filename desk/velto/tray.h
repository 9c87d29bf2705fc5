#pragma once
// The notification-area icon: hiding the main window behind it and its clicks.
#include <functional>

#include "desk/core/desk.h"

namespace plix {

// Puts the icon in the notification area and hides the main window there
// (menu item `ttray`, the idle rule, the end of the start-up sequence). Where
// the desktop has no notification area the window is minimised instead.
void ttray_Click(Desk& d);
// Takes the icon out of the notification area.
void deleteTrayIcon(Desk& d);

// A click on the icon: a left click or double click shows the window and
// restarts the start-up sequence; a middle click, the pop-up menu's first
// entry and a restore from the task bar only show it.
void trayClicked(Desk& d, TrayClick click);
// A click on a desktop notification shows the window.
void notificationClicked(Desk& d);

// Hands the icon's and the notifications' clicks to the handlers above;
// afterClick (the window's redraw) runs after each. Each click goes through
// the event pump's runHandler, so during a fetch it waits for it.
void wireAlerts(Desk& d, std::function<void()> afterClick = {});

}  // namespace plix
