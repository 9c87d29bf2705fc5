#pragma once
// Pop-up menu commands of the activity log.
#include "desk/core/desk.h"

namespace plix {

// "Log to file": toggles LogEnabled; the item is ticked, and "View logfile"
// usable, exactly while logging is on.
void logfile_Click(Desk& d);
// "View logfile": opens the log window.
void viewl_Click(Desk& d);
// "Clear logfile": empties plixlog.txt (the menu promises it; the log is only
// a diagnostic record).
void clrlog_Click(Desk& d);

}  // namespace plix
