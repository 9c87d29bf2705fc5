#pragma once
// The autostart window veltoaut: its box is ticked while the freedesktop
// autostart entry of plixdesk is there and switched on; ticking writes the
// entry (plixdesk in its own folder), clearing removes it.
#include "desk/core/desk.h"

namespace plix {

// What cmdRegMachine does with the entry.
enum class AutostartMode { Check = 1, Create = 2, Delete = 3 };

// Loads and shows the window; the box shows whether the entry is on, and an
// entry that is on is written again, so it follows the program's folder.
void veltoaut_Load(Desk& d);
// The user ticked or cleared the box: writes or removes the entry.
void veltoaut_Chkaut_Click(Desk& d);
// Checks, writes or removes the entry; afterwards the box shows the entry as
// it now is (a write that failed leaves it cleared). Does nothing while the
// user's folders are unknown.
void cmdRegMachine(Desk& d, AutostartMode mode);
void veltoaut_Unload(Desk& d);

}  // namespace plix
