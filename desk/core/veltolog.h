#pragma once
// The log window veltolog: follows the activity log live. Its own 1-second
// timer takes the newest entry from the main window's state.
//
// The window's frame (loaded, shown, place and size) is d.windows.veltolog,
// the entry the main window watches and unloadall unloads; this struct holds
// the window's own controls.
#include "desk/forms/controls.h"
#include "desk/core/desk.h"

namespace plix {

struct VeltologForm {
    TextBox tlog{};
    Button cclr{.Caption = "&Clear"};
    Button cexit{.Caption = "E&xit"};
    TimerControl Timer1{1000, false};
    bool timerAttached = false;   // the scheduler knows Timer1 (attached on the first load)
};

// Loads and shows the window at the place the "View logfile" command gives
// it, with an empty log box, and starts its timer. w must live as long as
// the scheduler runs.
void veltolog_Load(Desk& d, VeltologForm& w);
// Every second: a new entry (flag 1) is taken (flag 2) and appended to tlog.
void veltolog_Timer1_Timer(Desk& d, VeltologForm& w);
// Empties the box; the file is untouched.
void veltolog_cclr_Click(Desk& d, VeltologForm& w);
// Unloads the window (as unloadall does): hidden, timer stopped, box emptied.
void veltolog_cexit_Click(Desk& d, VeltologForm& w);

}  // namespace plix
