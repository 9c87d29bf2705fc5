#pragma once
// The alert sound, the desktop notification and bringing the main window up.
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

// The program's title: window caption, icon tip, notification title
// (LanguageTable[5], "PLIX" while no language is loaded).
std::string programTitle(const DeskState& s);

// Brings the main window back from the notification area or the task bar:
// shown, in its normal state, raised and given the focus.
void showMainWindow(Desk& d);

}  // namespace plix
