#pragma once
#include <string>

namespace plix {

struct HttpRequest {
    std::string url;
    bool useProxy = false;
    std::string proxy;          // host or host:port, used when useProxy
    long connectTimeoutMs = 10000;
    long totalTimeoutMs = 30000;
};

struct HttpResult {
    bool ok = false;            // a reply arrived (whatever its status)
    std::string body;           // raw bytes, single-byte text
    std::string error;          // what went wrong when !ok
};

// A plain HTTP GET that never serves a cached copy.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual HttpResult get(const HttpRequest& request) = 0;
};

}  // namespace plix
