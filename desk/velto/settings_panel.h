#pragma once
// The alert-settings panel frsystem of the main window: opening it, the
// boxes' clicks and keys, sending the settings to the server (ctrl 09) and
// closing it with a save.
#include <string>

#include "desk/core/desk.h"

namespace plix {

// The llab label beside the credit state; opening the panel gives it entry 52.
constexpr int kSettingsCreditLabel = 4;

// Menu "System-PLIX": hides the request list, tests the connection, fetches
// the supplier record when connected and shows the panel filled from the
// settings. Unsaved settings are saved first: Timer4 clears the changed flag
// right after.
void splix_Click(Desk& d);
// A check box writes "ja" (ticked) or "nee" into its item; the settings changed.
void chkact_Click(Desk& d, int index);
void chkema_Click(Desk& d);
void chkgsm_Click(Desk& d);
void chksnd_Click(Desk& d);
// Typing in a box of the panel: the settings changed.
void tsys_KeyPress(Desk& d, int index);
void tgsm_KeyPress(Desk& d);

// The CTR value of ctrl 09: SystemList[0], SupplierList[20..28] and
// SystemList[3], eleven bracketed items.
std::string alertSettingsList(const DeskState& s);
// Sends the panel's settings to the server (ctrl 09), after storing them in
// pxini.dat, and fetches the supplier record again.
void cupdate_Click(Desk& d);
// Stores the panel's settings in pxini.dat, closes the panel and restarts
// the start-up sequence.
void cexit_Click(Desk& d);

}  // namespace plix
