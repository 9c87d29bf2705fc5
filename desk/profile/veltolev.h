#pragma once
// The supplier window veltolev: the profile's boxes, registration (ctrl 02),
// update (ctrl 03), deleting the membership (ctrl 08) and the close with the
// local save. Keys and focus are in veltolev_keys.cpp, the branch catalogue
// in branches.h.
#include <initializer_list>
#include <string_view>

#include "desk/core/desk.h"
#include "desk/net/protocol.h"

namespace plix {

// The window's exchange (geturl2): fetches only while OnlineFlag and
// WindowFetchAllowed are both 1, and logs only a fetch that took place. The
// reply is emptied first, so a fetch that does not happen leaves no earlier
// reply to be read as this one's.
void veltolev_fetch(Desk& d, std::string_view label, int code,
                    std::initializer_list<QueryParam> params);

// Opens the window, once the start-up sequence put up the tray icon: its
// labels in the interface language, the local copy, then the server's copy
// and the catalogue; a supplier without number is told how to register.
void veltolev_Load(Desk& d);
// The window's fetch of the record (ctrl 04) into slots 0..29 and the boxes.
// Without a supplier number nothing is fetched and the boxes keep the local
// copy. Selects the record's language in the list.
void veltolev_getlev(Desk& d);

// Registers (no supplier number yet) or updates the profile on the server,
// after the password, completeness and text checks. A registration stores
// the new number with its check value at once.
void veltolev_cupdate_Click(Desk& d);
// After the question, deletes the membership on the server and forgets the
// number here, in memory and in pxini.dat.
void veltolev_cdelete_Click(Desk& d);
// Closes the window, saving the local copy when something was typed; false
// (the window stays open) while a box holds text that cannot be stored.
bool veltolev_c_exit_Click(Desk& d);
// Test mode: shows the two hidden text boxes.
void veltolev_view_Click(Desk& d);
// One second after opening, a member's record is fetched once more.
void veltolev_Timer1_Timer(Desk& d);

// Focus and keys (veltolev_keys.cpp). Enter and the arrow keys walk the
// boxes in the profile's order; any key marks the profile changed.
void veltolev_tlev_GotFocus(Desk& d, int index);
void veltolev_tlev_KeyDown(Desk& d, int index, int& KeyCode);
void veltolev_tlev_KeyPress(Desk& d, int index, int& KeyAscii);
// A box changed without a key (pasted with the mouse): marked changed too.
void veltolev_tlev_Change(Desk& d, int index);
void veltolev_taal_KeyDown(Desk& d, int& KeyCode);
void veltolev_taal_KeyPress(Desk& d, int& KeyAscii);
// A language chosen with the mouse: marked changed.
void veltolev_taal_Click(Desk& d);
// The password check: two filled boxes that differ are refused with a
// message; both are emptied and the focus goes to the first.
bool veltolev_passwordsAgree(Desk& d);
// Colours the boxes: required ones light cyan, the focused one light yellow.
void paintProfileBoxes(VeltolevForm& w, int focused);

// Unloads the window (also as one of unloadall's): hidden, its timer
// stopped, its controls back to their design state.
void veltolev_Unload(Desk& d);
// Hands the window's timer to the scheduler; once, at start.
void veltolev_Timers(Desk& d, Scheduler& s);

}  // namespace plix
