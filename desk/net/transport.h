#pragma once
// geturl: carries RequestUrl to the server and leaves the body in ServerReply.
// Every window that talks to the server uses this one function; they differ
// only in the options below (one factory per window).
//
// Callers set OperationLabel, RequestQuery and RequestUrl (see protocol.h:
// setRequest / serverRequest), call geturl and cut ServerReply at once.
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

enum class FetchLogging { Always, OnlyAfterFetch, Never };

struct FetchOptions {
    const int* mustBeOne = nullptr;           // an extra flag that must be 1 to fetch (WindowFetchAllowed)
    bool letEventsRun = true;                 // let pending events run once before blocking
    std::string_view noHourglassFor = " GETCHANGE ";
    FetchLogging logging = FetchLogging::Always;
    bool purgeCacheFirst = false;
    FormControl* pointerOn = nullptr;         // window that shows the hourglass; the main window when null
};

// Options of each window that talks to the server.
FetchOptions mainWindowFetch();
FetchOptions supplierWindowFetch(const int& windowFetchAllowed);
FetchOptions filterWindowFetch(const int& windowFetchAllowed);
FetchOptions reactionsWindowFetch();
FetchOptions chatWindowFetch();

// Time-outs of one fetch: a server that accepts the connection and never
// answers ends as a failed fetch (empty reply). The window keeps painting
// while a fetch waits, but the program's handlers wait with it, so the change
// poll, which comes every 10 seconds at the most, gives up sooner: a poll
// that failed is simply made again at the next one.
inline constexpr long kConnectTimeoutMs = 10000;
inline constexpr long kTotalTimeoutMs = 30000;
inline constexpr std::string_view kChangePollLabel = " GETCHANGE ";
inline constexpr long kPollConnectTimeoutMs = 5000;
inline constexpr long kPollTotalTimeoutMs = 8000;

// While OnlineFlag is 1 (and the window's extra flag, if any, is 1): shows
// the hourglass unless OperationLabel is the window's exception, lets pending
// events run once when the window does, then GETs RequestUrl direct or
// through ProxyServer (UseProxy 1), always fresh from the server. The GET
// runs aside (EventPump::runAside): the windows keep painting, and every
// handler that comes due meanwhile runs after geturl returns.
// ServerReply := the body, empty when the fetch failed. Offline nothing is
// sent and ServerReply keeps the previous reply. Logs as the window's
// option says when LogEnabled is 1 (the main window also when offline).
void geturl(Desk& d, const FetchOptions& options = mainWindowFetch());

// Purges cached copies of the server's pages before a change poll. The
// transport keeps no cache and always asks the server for a fresh copy, so
// there is nothing to remove; callers keep the call where the poll has it.
void GetCacheURLList(Desk& d);

}  // namespace plix
