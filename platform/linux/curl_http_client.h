#pragma once
// HttpClient over libcurl: a plain GET, direct or through a named proxy,
// always fresh from the server, with connect and whole-request time-outs.
// One libcurl handle serves every request, so one connection to the server
// (or the proxy) is kept alive and reused for as long as the server keeps it
// open. get may be called from any thread, one request at a time.
#include <mutex>
#include <string>

#include "platform/http.h"

namespace plix {

class CurlHttpClient : public HttpClient {
public:
    explicit CurlHttpClient(std::string agent = "Wininet Test");
    ~CurlHttpClient() override;
    CurlHttpClient(const CurlHttpClient&) = delete;
    CurlHttpClient& operator=(const CurlHttpClient&) = delete;

    HttpResult get(const HttpRequest& request) override;

    // How many connections this client has opened so far.
    long connectionsOpened() const;

private:
    std::string agent_;
    void* curl_ = nullptr;  // the one CURL handle
    mutable std::mutex lock_;
    long connections_ = 0;
};

}  // namespace plix
