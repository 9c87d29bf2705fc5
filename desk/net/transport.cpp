#include "desk/net/transport.h"

#include "desk/core/activity_log.h"

namespace plix {

FetchOptions mainWindowFetch() { return {}; }

FetchOptions supplierWindowFetch(const int& windowFetchAllowed) {
    FetchOptions o;
    o.mustBeOne = &windowFetchAllowed;
    o.letEventsRun = false;
    o.logging = FetchLogging::OnlyAfterFetch;
    return o;
}

FetchOptions filterWindowFetch(const int& windowFetchAllowed) {
    FetchOptions o;
    o.mustBeOne = &windowFetchAllowed;
    o.logging = FetchLogging::Never;
    return o;
}

FetchOptions reactionsWindowFetch() {
    FetchOptions o;
    o.letEventsRun = false;
    return o;
}

FetchOptions chatWindowFetch() {
    FetchOptions o;
    o.letEventsRun = false;
    o.noHourglassFor = " GETCHAT ";
    o.logging = FetchLogging::Never;
    o.purgeCacheFirst = true;
    return o;
}

void GetCacheURLList(Desk&) {}

// One GET of RequestUrl through the platform's client. A handler that runs
// while pending events are let through may start an exchange of its own; the
// caller's request is put back afterwards, so each fetch carries (and logs)
// the request its caller built, and the caller cuts its own reply.
static void fetch(Desk& d, const FetchOptions& options) {
    DeskState& s = d.st;
    FormControl& window = options.pointerOn ? *options.pointerOn : d.velto.form;
    const bool hourglass = s.OperationLabel != options.noHourglassFor;
    if (options.letEventsRun && d.os.events) {
        std::string label = s.OperationLabel, query = s.RequestQuery, url = s.RequestUrl;
        if (hourglass) window.Pointer = MousePointer::Hourglass;
        d.os.events->processPendingEvents();
        s.OperationLabel = std::move(label);
        s.RequestQuery = std::move(query);
        s.RequestUrl = std::move(url);
    }
    if (hourglass) window.Pointer = MousePointer::Hourglass;
    // The hourglass (and whatever the caller set before) shows while the fetch blocks.
    if (d.os.events) d.os.events->drawNow();

    HttpRequest request;
    request.url = s.RequestUrl;
    request.useProxy = s.UseProxy == 1;
    request.proxy = s.ProxyServer;
    const bool poll = s.OperationLabel == kChangePollLabel;
    request.connectTimeoutMs = poll ? kPollConnectTimeoutMs : kConnectTimeoutMs;
    request.totalTimeoutMs = poll ? kPollTotalTimeoutMs : kTotalTimeoutMs;
    HttpResult result;
    if (HttpClient* http = d.os.http) {
        // The exchange runs aside while the windows keep painting; no handler
        // runs until it is over, so the state is as the caller left it.
        const auto exchange = [http, &request, &result] { result = http->get(request); };
        if (d.os.events)
            d.os.events->runAside(exchange);
        else
            exchange();
    }
    s.ServerReply = result.ok ? std::move(result.body) : std::string();
    window.Pointer = MousePointer::Default;
}

void geturl(Desk& d, const FetchOptions& options) {
    DeskState& s = d.st;
    if (options.purgeCacheFirst) GetCacheURLList(d);
    bool fetched = false;
    if (s.OnlineFlag == 1 && (!options.mustBeOne || *options.mustBeOne == 1)) {
        fetch(d, options);
        fetched = true;
    }
    if (s.LogEnabled != 1) return;
    if (options.logging == FetchLogging::Always ||
        (options.logging == FetchLogging::OnlyAfterFetch && fetched))
        loghandle(d);
}

}  // namespace plix
