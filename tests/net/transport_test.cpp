// geturl's gating, per-window options and logging, against the HTTP double.
#include <gtest/gtest.h>

#include "desk/core/activity_log.h"
#include "desk/net/protocol.h"
#include "desk/net/transport.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

class Transport : public testing::DeskFixture {
protected:
    void SetUp() override {
        st.ServerHost = "www.plix.test";
        st.OnlineFlag = 1;
        st.OperationLabel = " GETVRAAG ";
        st.RequestUrl = "http://www.plix.test/plix_chkl.php?CD=02&ID_LV=7";
        st.ServerReply = "previous";
    }
    void reply(std::string body, bool ok = true) { fakes.http.replies.push_back({ok, std::move(body), ""}); }
    std::string log() { return folder.read(kLogFile); }
};

TEST_F(Transport, OnlineFetchCarriesTheRequestAndTheProxyChoice) {
    reply("body");
    geturl(desk);
    ASSERT_EQ(fakes.http.requests.size(), 1u);
    const HttpRequest& r = fakes.http.requests[0];
    EXPECT_EQ(r.url, st.RequestUrl);
    EXPECT_FALSE(r.useProxy);
    EXPECT_EQ(r.connectTimeoutMs, kConnectTimeoutMs);
    EXPECT_EQ(r.totalTimeoutMs, kTotalTimeoutMs);
    EXPECT_EQ(st.ServerReply, "body");

    st.UseProxy = 1;
    st.ProxyServer = "proxy.lan:3128";
    reply("again");
    geturl(desk);
    EXPECT_TRUE(fakes.http.requests[1].useProxy);
    EXPECT_EQ(fakes.http.requests[1].proxy, "proxy.lan:3128");
}

TEST_F(Transport, FailedFetchLeavesAnEmptyReply) {
    reply("partial", false);
    geturl(desk);
    EXPECT_EQ(st.ServerReply, "");
    reply("");
    st.ServerReply = "x";
    geturl(desk);
    EXPECT_EQ(st.ServerReply, "");
}

TEST_F(Transport, OfflineSendsNothingKeepsTheReplyAndStillLogs) {
    st.OnlineFlag = 0;
    st.LogEnabled = 1;
    geturl(desk);
    EXPECT_TRUE(fakes.http.requests.empty());
    EXPECT_EQ(fakes.events.runs, 0);
    EXPECT_EQ(velto.form.Pointer, MousePointer::Default);
    EXPECT_EQ(st.ServerReply, "previous");
    const std::string entry = log();
    EXPECT_EQ(entry.rfind(" GETVRAAG ", 0), 0u);
    EXPECT_NE(entry.find("\r\n\r\nprevious\r\n------------------------\r\n"), std::string::npos);
    st.OnlineFlag = 2;   // only exactly 1 counts as online
    geturl(desk);
    EXPECT_TRUE(fakes.http.requests.empty());
}

TEST_F(Transport, HourglassDuringTheFetchExceptForTheWindowsOwnLabel) {
    MousePointer during = MousePointer::Default;
    fakes.events.onRun = [&] { during = velto.form.Pointer; };
    reply("a");
    geturl(desk);
    EXPECT_EQ(during, MousePointer::Hourglass);
    EXPECT_EQ(velto.form.Pointer, MousePointer::Default);

    st.OperationLabel = " GETCHANGE ";
    reply("b");
    geturl(desk);
    EXPECT_EQ(during, MousePointer::Default);

    // The chat window's exception is its own label, on its own window.
    FormControl chat;
    FetchOptions options = chatWindowFetch();
    options.pointerOn = &chat;
    options.letEventsRun = true;   // to look inside the fetch
    fakes.events.onRun = [&] { during = chat.Pointer; };
    reply("c");
    geturl(desk, options);
    EXPECT_EQ(during, MousePointer::Hourglass);
    st.OperationLabel = " GETCHAT ";
    reply("d");
    geturl(desk, options);
    EXPECT_EQ(during, MousePointer::Default);
    EXPECT_EQ(velto.form.Pointer, MousePointer::Default);

    // A window that lets no event run still has the screen drawn, hourglass
    // and all, before its fetch blocks.
    const int runs = fakes.events.runs;
    fakes.events.onDraw = [&] { during = velto.form.Pointer; };
    st.OperationLabel = " GETREACT ";
    reply("e");
    geturl(desk, reactionsWindowFetch());
    EXPECT_EQ(during, MousePointer::Hourglass);
    EXPECT_EQ(fakes.events.runs, runs);
}

TEST_F(Transport, PendingEventsRunOnceAndANestedExchangeKeepsToItself) {
    const std::string outerUrl = "http://www.plix.test/plix_ctrl.php?CD=11&ID_LV=7";
    st.RequestUrl = outerUrl;
    reply("for the poll");     // the nested fetch goes out first
    reply("for the caller");
    fakes.events.onRun = [&] {
        fakes.events.onRun = nullptr;   // a timer tick that starts its own exchange
        st.RequestUrl = "http://www.plix.test/plix_chkl.php?CD=03";
        geturl(desk);
    };
    geturl(desk);
    EXPECT_EQ(fakes.events.runs, 2);   // once per fetch
    ASSERT_EQ(fakes.http.requests.size(), 2u);
    // The nested exchange fetched its own request; the outer one still
    // fetches the request its caller built and gets its own reply.
    EXPECT_EQ(fakes.http.requests[0].url, "http://www.plix.test/plix_chkl.php?CD=03");
    EXPECT_EQ(fakes.http.requests[1].url, outerUrl);
    EXPECT_EQ(st.RequestUrl, outerUrl);
    EXPECT_EQ(st.ServerReply, "for the caller");

    fakes.events.runs = 0;
    reply("x");
    geturl(desk, reactionsWindowFetch());
    EXPECT_EQ(fakes.events.runs, 0);
}

TEST_F(Transport, WindowOptionsGateAndLogAsEachWindowDoes) {
    st.LogEnabled = 1;
    int allowed = 0;

    geturl(desk, supplierWindowFetch(allowed));   // not allowed: no fetch, no entry
    EXPECT_TRUE(fakes.http.requests.empty());
    EXPECT_EQ(log(), "");
    allowed = 1;
    reply("lev");
    geturl(desk, supplierWindowFetch(allowed));
    EXPECT_EQ(fakes.http.requests.size(), 1u);
    EXPECT_NE(log().find("lev\r\n---"), std::string::npos);
    st.OnlineFlag = 0;
    const std::string before = log();
    geturl(desk, supplierWindowFetch(allowed));   // offline: only after a fetch
    EXPECT_EQ(log(), before);

    st.OnlineFlag = 1;
    reply("flt");
    geturl(desk, filterWindowFetch(allowed));
    reply("chat");
    geturl(desk, chatWindowFetch());
    EXPECT_EQ(fakes.http.requests.size(), 3u);
    EXPECT_EQ(log(), before);   // the filter and chat windows never log
    EXPECT_EQ(fakes.events.runs, 1);   // the filter window lets events run, the chat window does not

    reply("rsp");
    geturl(desk, reactionsWindowFetch());
    EXPECT_NE(log().find("rsp\r\n---"), std::string::npos);

    st.LogEnabled = 0;
    reply("quiet");
    const std::string last = log();
    geturl(desk);
    EXPECT_EQ(log(), last);
}

}  // namespace
}  // namespace plix
