#include "desk/core/activity_log.h"

#include <cstdio>
#include <ctime>

#include "desk/core/files.h"

namespace plix {

std::string logEntry(const DeskState& s, std::string_view timeOfDay) {
    std::string e;
    e.reserve(s.OperationLabel.size() + s.RequestUrl.size() + s.ServerReply.size() + 48);
    e += s.OperationLabel;
    e += timeOfDay;
    e += "\r\n\r\n";
    e += s.RequestUrl;
    e += "\r\n\r\n";
    e += s.ServerReply;
    e += "\r\n";
    e += std::string(24, '-');
    e += "\r\n";
    return e;
}

std::string timeOfDayNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

void loghandle(Desk& d) {
    DeskState& s = d.st;
    std::string entry = logEntry(s, timeOfDayNow());
    std::string why;
    if (appendToFile(d.file(kLogFile), entry, &why)) {
        s.LogWriteFailed = 0;
        s.LogWriteNote.clear();
    } else if (s.LogWriteFailed == 0) {
        // Once per failure streak: in the log window (its caption keeps it
        // while the streak lasts) and on the status line when that is up; the
        // status line is never raised for it, it would lie under the list.
        s.LogWriteFailed = 1;
        s.LogWriteNote = std::string(kLogFile) + " cannot be written: " + why;
        entry = s.LogWriteNote + "\r\n" + entry;
        Label& status = d.velto.ltest;
        if (status.Visible) status.Caption += (s.LineBreak.empty() ? "\r\n" : s.LineBreak) + s.LogWriteNote;
    }
    s.LastLogEntry = std::move(entry);
    s.LogEntryFlag = 1;
}

}  // namespace plix

