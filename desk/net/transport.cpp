#include "desk/net/transport.h"

namespace plix {

FetchOptions mainWindowFetch() { return {}; }

FetchOptions supplierWindowFetch(const int& windowFetchAllowed) {
    return {&windowFetchAllowed, false, " GETCHANGE ", FetchLogging::OnlyAfterFetch, false};
}

FetchOptions filterWindowFetch(const int& windowFetchAllowed) {
    return {&windowFetchAllowed, true, " GETCHANGE ", FetchLogging::Never, false};
}

FetchOptions reactionsWindowFetch() { return {nullptr, false, " GETCHANGE ", FetchLogging::Always, false}; }

FetchOptions chatWindowFetch() { return {nullptr, false, " GETCHAT ", FetchLogging::Never, true}; }

// Placeholder until the HTTP transport lands: a plain fetch through the
// platform's client, gated by OnlineFlag.
void geturl(Desk& d, const FetchOptions& options) {
    DeskState& s = d.st;
    if (s.OnlineFlag != 1) return;
    if (options.mustBeOne && *options.mustBeOne != 1) return;
    HttpRequest request;
    request.url = s.RequestUrl;
    request.useProxy = s.UseProxy == 1;
    request.proxy = s.ProxyServer;
    s.ServerReply = d.os.http ? d.os.http->get(request).body : std::string();
}

}  // namespace plix
