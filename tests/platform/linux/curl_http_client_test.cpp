// The libcurl transport over real HTTP on loopback: direct and through a
// forwarding proxy, fresh copies, raw bodies, block edges and time-outs.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <mutex>

#include "desk/net/protocol.h"
#include "desk/net/transport.h"
#include "platform/linux/curl_http_client.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/test_servers.h"

namespace plix {
namespace {

using testing::LoopbackServer;

struct Seen {
    std::mutex lock;
    std::string target, agent, cacheControl, pragma, query;
    int requests = 0;
};

// The server side of every test: a few fixed pages and a record of the last request.
class Origin {
public:
    LoopbackServer http;
    Seen seen;
    Origin() {
        http.server.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            {
                std::lock_guard<std::mutex> g(seen.lock);
                seen.target = req.target;
                seen.agent = req.get_header_value("User-Agent");
                seen.cacheControl = req.get_header_value("Cache-Control");
                seen.pragma = req.get_header_value("Pragma");
                ++seen.requests;
            }
            if (req.path == "/exact1024") {
                res.set_content(std::string(1024, 'x'), "text/plain");
            } else if (req.path == "/empty") {
                res.set_content("", "text/plain");
            } else if (req.path == "/bytes") {
                std::string all;
                for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
                res.set_content(all, "application/octet-stream");
            } else if (req.path == "/missing") {
                res.status = 404;
                res.set_content("<html>not here</html>", "text/html");
            } else {
                res.set_content("page " + req.path, "text/plain");
            }
        });
        http.start();
    }
};

// A forwarding proxy: takes the absolute-form request and fetches it from the origin.
class ForwardingProxy {
public:
    LoopbackServer http;
    std::string lastTarget;
    int forwarded = 0;
    ForwardingProxy() {
        http.server.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            lastTarget = req.target;
            ++forwarded;
            // "http://host:port/path?query"
            const std::string& t = req.target;
            const std::size_t hostStart =
                t.find("://") == std::string::npos ? 0 : t.find("://") + 3;
            const std::size_t pathStart = t.find('/', hostStart);
            const std::string hostPort = t.substr(hostStart, pathStart - hostStart);
            const std::size_t colon = hostPort.find(':');
            httplib::Client origin(hostPort.substr(0, colon),
                                   std::stoi(hostPort.substr(colon + 1)));
            httplib::Headers headers;
            for (const char* h : {"User-Agent", "Cache-Control", "Pragma"})
                if (req.has_header(h)) headers.emplace(h, req.get_header_value(h));
            auto r = origin.Get(t.substr(pathStart), headers);
            if (!r) {
                res.status = 502;
                return;
            }
            res.status = r->status;
            res.set_content(r->body, "text/plain");
        });
        http.start();
    }
};

class Http : public plix::testing::DeskFixture {
protected:
    CurlHttpClient client;
    Origin origin;
    void SetUp() override {
        desk.os.http = &client;
        st.OnlineFlag = 1;
        st.ServerHost = origin.http.host();
    }
    std::string get(const std::string& path) {
        st.RequestUrl = origin.http.url(path);
        geturl(desk);
        return st.ServerReply;
    }
};

TEST_F(Http, DirectGetIsFreshAndNamesTheAgent) {
    serverRequest(desk, " CONTEST ", Script::Ctrl, 1, {{"TXT", "a b&c"}});
    EXPECT_EQ(st.ServerReply, "page /plix_ctrl.php");
    std::lock_guard<std::mutex> g(origin.seen.lock);
    EXPECT_EQ(origin.seen.target, "/plix_ctrl.php?CD=01&TXT=a%20b%26c");  // sent as built
    EXPECT_EQ(origin.seen.agent, "Wininet Test");
    EXPECT_EQ(origin.seen.cacheControl, "no-cache");
    EXPECT_EQ(origin.seen.pragma, "no-cache");
}

TEST_F(Http, BodiesArriveRawWhateverTheirSizeOrStatus) {
    EXPECT_EQ(get("/exact1024"), std::string(1024, 'x'));
    EXPECT_EQ(get("/empty"), "");
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(get("/bytes"), all);
    EXPECT_EQ(get("/missing"), "<html>not here</html>");  // the status is not looked at
}

TEST_F(Http, RefusedConnectionIsAFailedFetch) {
    int port;
    {
        LoopbackServer gone;
        gone.start();
        port = gone.port();
    }
    st.RequestUrl = "http://127.0.0.1:" + std::to_string(port) + "/plix_ctrl.php?CD=01";
    st.ServerReply = "old";
    geturl(desk);
    EXPECT_EQ(st.ServerReply, "");
}

TEST_F(Http, DirectIgnoresAProxyInTheEnvironment) {
    ::setenv("http_proxy", "http://127.0.0.1:1", 1);
    ::setenv("HTTP_PROXY", "http://127.0.0.1:1", 1);
    const std::string body = get("/plain");
    ::unsetenv("http_proxy");
    ::unsetenv("HTTP_PROXY");
    EXPECT_EQ(body, "page /plain");
}

TEST_F(Http, NamedProxyCarriesTheRequest) {
    ForwardingProxy proxy;
    st.UseProxy = 1;
    st.ProxyServer = proxy.http.host();  // a proxy typed with its port
    EXPECT_EQ(get("/via?CD=02&ID_LV=7"), "page /via");
    EXPECT_EQ(proxy.forwarded, 1);
    EXPECT_EQ(proxy.lastTarget, origin.http.url("/via?CD=02&ID_LV=7"));
    std::lock_guard<std::mutex> g(origin.seen.lock);
    EXPECT_EQ(origin.seen.cacheControl, "no-cache");
    EXPECT_EQ(origin.seen.agent, "Wininet Test");
}

TEST_F(Http, DeadProxyIsAFailedFetch) {
    st.UseProxy = 1;
    st.ProxyServer = "127.0.0.1:1";
    st.ServerReply = "old";
    EXPECT_EQ(get("/plain"), "");
    EXPECT_EQ(origin.seen.requests, 0);
}

// One connection serves every request while the server keeps it open; the
// change poll gives up sooner than any other fetch.
TEST_F(Http, OneKeptAliveConnectionAndTheChangePollsOwnTimeOut) {
    EXPECT_EQ(get("/one"), "page /one");
    EXPECT_EQ(get("/two"), "page /two");
    serverRequest(desk, " GETCHANGE ", Script::Chkl, 3, {{"ID_LV", "7"}});
    EXPECT_EQ(origin.seen.requests, 3);
    EXPECT_EQ(client.connectionsOpened(), 1);

    FakeServices others;
    desk.os.http = &others.http;
    serverRequest(desk, " GETCHANGE ", Script::Chkl, 3, {{"ID_LV", "7"}});
    serverRequest(desk, " CONTEST ", Script::Ctrl, 1, {});
    ASSERT_EQ(others.http.requests.size(), 2u);
    EXPECT_EQ(others.http.requests[0].totalTimeoutMs, kPollTotalTimeoutMs);
    EXPECT_EQ(others.http.requests[0].connectTimeoutMs, kPollConnectTimeoutMs);
    EXPECT_EQ(others.http.requests[1].totalTimeoutMs, kTotalTimeoutMs);
    EXPECT_LT(kPollTotalTimeoutMs, kTotalTimeoutMs);
}

TEST(HttpTimeout, ServerThatNeverAnswersEndsByTimeOut) {
    testing::SilentServer silent;
    CurlHttpClient client;
    HttpRequest request;
    request.url = "http://" + silent.host() + "/plix_chkl.php?CD=03";
    request.connectTimeoutMs = 500;
    request.totalTimeoutMs = 700;
    const auto start = std::chrono::steady_clock::now();
    const HttpResult r = client.get(request);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.body, "");
    EXPECT_FALSE(r.error.empty());
    EXPECT_LT(took, std::chrono::seconds(5));  // ended by the time-out, not by the server
}

}  // namespace
}  // namespace plix
