#pragma once
// The log window veltolog: its own 1-second timer takes the newest entry of
// the activity log from the program's state while the window is open.
#include "desk/core/desk.h"

namespace plix {

// Loads and shows the window at the place the "View logfile" command gives
// it and starts its timer.
void veltolog_Load(Desk& d);
// Every second: a new entry (flag 1) is taken (flag 2) and appended to tlog.
void veltolog_Timer1_Timer(Desk& d);
// Empties the box; the file is untouched.
void veltolog_cclr_Click(Desk& d);
// Closes the window: it is unloaded.
void veltolog_cexit_Click(Desk& d);
// Unloads the window (also as one of unloadall's): hidden, timer stopped,
// box emptied. Nothing happens to a window that is not loaded.
void veltolog_Unload(Desk& d);
// Hands the window's timer to the scheduler; once, at start.
void veltolog_Timers(Desk& d, Scheduler& s);

}  // namespace plix
