#pragma once
// The offer window veltooff: a priced offer on the selected request. The
// reactions window opens it (veltorsp_cbestel_Click) after fetching the last
// offer, which its Timer2 puts into the fields.
#include "desk/core/desk.h"

namespace plix {

// Loads and shows the window: relabelled when a language is loaded (English
// choice lists written when not), the three lists filled, Timer1 started.
void veltooff_Load(Desk& d);
// Enables cconfirm exactly while the offer is complete: a description, an
// amount and a real choice in each list (neither the first line nor the
// empty line that ends a list).
void veltooff_Timer1_Timer(Desk& d);
// One-shot: puts the stored offer of the selected request into the fields.
void veltooff_Timer2_Timer(Desk& d);
// Leaves the offer request for the reactions window to send (command 98),
// closes the window and restarts the main window's refresh sequence. The
// offer becomes the request's offer, in memory and in Vorade.txt, once the
// server took it.
void veltooff_cconfirm_Click(Desk& d);
// A choice or a key in a box: the user is at work.
void veltooff_Input(Desk& d);
// Closes without sending or storing anything.
void veltooff_cexit_Click(Desk& d);
// Unloads the window (also as one of unloadall's).
void veltooff_Unload(Desk& d);
// Hands the window's timers to the scheduler; once, at start.
void veltooff_Timers(Desk& d, Scheduler& s);

}  // namespace plix
