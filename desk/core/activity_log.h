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
// window. A file that cannot be written is reported once per failure streak
// (until a later write succeeds) in LogWriteNote, which the log window shows,
// and on the status label while that is up; the entry still reaches the log
// window and the exchange goes on.
void loghandle(Desk& d);

}  // namespace plix

