#pragma once
// The activity log: one entry per server exchange, appended to plixlog.txt
// in the working folder and kept for the log window.
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kLogFile = "plixlog.txt";

// One entry: OperationLabel + "hh:mm:ss" + CRLF CRLF + RequestUrl + CRLF CRLF
// + ServerReply + CRLF + 24 minus signs + CRLF.
std::string logEntry(const DeskState& s, std::string_view timeOfDay);

// The local time of day as "hh:mm:ss" (24-hour clock).
std::string timeOfDayNow();

// Appends the current exchange to plixlog.txt and hands it to the log
// window. A file that cannot be written is reported once in the status label
// (until a later write succeeds); the entry still reaches the log window and
// the exchange goes on.
void loghandle(Desk& d);

}  // namespace plix

namespace plix {

struct VeltologForm;

// Pop-up menu commands of the activity log.
// "Log to file": toggles LogEnabled; the item is ticked, and "View logfile"
// usable, exactly while logging is on.
void logfile_Click(Desk& d);
// "View logfile": opens the log window.
void viewl_Click(Desk& d, VeltologForm& log);
// "Clear logfile": empties plixlog.txt (the menu promises it; the log is only
// a diagnostic record).
void clrlog_Click(Desk& d);

}  // namespace plix
