#pragma once
// geturl: carries RequestUrl to the server and leaves the body in ServerReply.
// The windows differ only in a few options.
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
};

// Options of each window that talks to the server.
FetchOptions mainWindowFetch();
FetchOptions supplierWindowFetch(const int& windowFetchAllowed);
FetchOptions filterWindowFetch(const int& windowFetchAllowed);
FetchOptions reactionsWindowFetch();
FetchOptions chatWindowFetch();

void geturl(Desk& d, const FetchOptions& options = mainWindowFetch());

}  // namespace plix
