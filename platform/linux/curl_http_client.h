#pragma once
// HttpClient over libcurl: a plain GET, direct or through a named proxy,
// always fresh from the server, with connect and whole-request time-outs.
#include <string>

#include "platform/http.h"

namespace plix {

class CurlHttpClient : public HttpClient {
public:
    explicit CurlHttpClient(std::string agent = "Wininet Test");
    HttpResult get(const HttpRequest& request) override;

private:
    std::string agent_;
};

}  // namespace plix
