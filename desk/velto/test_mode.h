#pragma once
// The hidden test mode: an access word typed into a box that a click on the
// network frame's PLIX label shows. In test mode the window stays up when
// idle, and the mouse over a row number names the request's requester and
// number.
#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kTestModeWord = "kwartelbos";

// The PLIX label: shows the access box.
void lplix_Click(Desk& d);
// Enter in the access box hides it; the right word (case counts) switches
// test mode on and shows its menu item.
void ttst_KeyPress(Desk& d, int& KeyAscii);
// The mouse over row number index: in test mode, the note at that row.
void lnr_MouseMove(Desk& d, int index);
// The mouse elsewhere over the request list: the note goes.
void fr_vraag_MouseMove(Desk& d);
// The menu item "Testfase": leaves test mode.
void testf_Click(Desk& d);

}  // namespace plix
