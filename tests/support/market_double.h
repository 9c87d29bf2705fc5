#pragma once
// A stand-in for the marketplace: answers each request by its script and
// request code and records every URL it was asked for.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "desk/core/build_config.h"
#include "platform/http.h"

namespace plix::testing {

struct ListRecord {
    std::string number, time, title, details, requester, status;
};

// A chkl 02 reply in the server's layout; count defaults to the number of records.
inline std::string listReply(const std::vector<ListRecord>& records, int count = -1) {
    std::string r = "<html>CNTRLCODE=02<br>";
    for (const auto& e : records)
        r += "[" + e.number + "][" + e.time + "][" + e.title + "][" + e.details + "][" +
             e.requester + "][" + e.status + "]<br>";
    return r + "QEND" + std::to_string(count < 0 ? static_cast<int>(records.size()) : count) +
           "</html>";
}

inline ListRecord record(int n, std::string status = "", std::string details = "details") {
    const std::string id = std::to_string(n);
    return {id, "13-06 10:" + id, "Title " + id, std::move(details), "A" + id, std::move(status)};
}

class MarketDouble : public HttpClient {
public:
    using Handler = std::function<std::string(const std::string& url)>;

    std::vector<std::string> urls;
    std::map<std::string, Handler> routes;  // key: "ctrl01", "chkl02", ...

    MarketDouble() {
        // A connection test that finds a known member on the current version.
        answer("ctrl01", std::string("cnt=x5<br>Taal=1<br>VERSIE=") + buildVersion());
    }

    void answer(const std::string& key, std::string body) {
        routes[key] = [body](const std::string&) { return body; };
    }

    HttpResult get(const HttpRequest& request) override {
        urls.push_back(request.url);
        const auto it = routes.find(keyOf(request.url));
        return {true, it == routes.end() ? std::string() : it->second(request.url), {}};
    }

    static std::string keyOf(const std::string& url) {
        const std::string script =
            url.find("/plix_ctrl.php") != std::string::npos ? "ctrl" : "chkl";
        const auto cd = url.find("?CD=");
        return script + (cd == std::string::npos ? std::string("??") : url.substr(cd + 4, 2));
    }

    int count(const std::string& key) const {
        int n = 0;
        for (const auto& u : urls) n += keyOf(u) == key;
        return n;
    }
    std::vector<std::string> keys() const {
        std::vector<std::string> k;
        for (const auto& u : urls) k.push_back(keyOf(u));
        return k;
    }
};

}  // namespace plix::testing
