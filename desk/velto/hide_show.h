#pragma once
// Hiding every held request on the server, and showing all of them again.
#include "desk/core/desk.h"

namespace plix {

// Hides each held request (chkl 07, one per request, in list order), then
// restarts the start-up sequence from the first page.
void deleteall(Desk& d);
// Asks the server to show all hidden requests again (chkl 09), then restarts
// the sequence from the first page.
void toonall(Desk& d);

// The menu items "Hide all questions" and "View all questions".
void clrall_Click(Desk& d);
void viewall_Click(Desk& d);

}  // namespace plix
