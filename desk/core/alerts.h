#pragma once
// The alert sound, the desktop notification and the notification-area icon.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kAlertSound = "Notify.wav";

// Plays a wave file once and returns at once; a relative path is taken from
// the working folder. Whatever played before is stopped first. A missing file
// or a machine without sound stays silent.
void Play_Sound(Desk& d, const std::string& path = kAlertSound);
// Stops the sound; harmless when nothing plays.
void Stop_Sound(Desk& d);

// The alert sound for a new or changed request row, for the inbox to call as
// it draws each such row: when SoundArmed is 1 and the sound setting
// SupplierList[27] is "ja", plays Notify.wav and clears SoundArmed. It never
// stops a sound that is playing, so the one alert of a fetch runs to its end
// however many new rows follow (call no Stop_Sound per row).
void alertRequest(Desk& d);

// The desktop notification for the requests a fetch found new or changed
// since the previous one (titles in list order): one names its title, several
// give their count and the first title, none sends nothing. Only while the
// sound setting SupplierList[27] is "ja", as the alert is.
void notifyNewRequests(Desk& d, const std::vector<std::string>& titles);

// Puts the icon in the notification area and hides the main window there
// (menu item `ttray`, the idle rule, the end of the start-up sequence). Where
// the desktop has no notification area the window is minimised instead.
void ttray_Click(Desk& d);
// Takes the icon out of the notification area.
void deleteTrayIcon(Desk& d);

// Brings the main window back from the notification area or the task bar:
// shown, in its normal state, raised and given the focus.
void showMainWindow(Desk& d);

// A click on the icon: a left click or double click shows the window and
// restarts the start-up sequence; a middle click, the pop-up menu's first
// entry and a restore from the task bar only show it.
void trayClicked(Desk& d, TrayClick click);
// A click on a desktop notification shows the window.
void notificationClicked(Desk& d);

// Hands the icon's and the notifications' clicks to the handlers above;
// afterClick (the window's redraw) runs after each.
void wireAlerts(Desk& d, std::function<void()> afterClick = {});

}  // namespace plix
