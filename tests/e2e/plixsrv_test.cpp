// The server link against the reference server plixsrv over real HTTP.
#include <gtest/gtest.h>

#include "desk/core/activity_log.h"
#include "desk/lang/language_table.h"
#include "desk/net/ping.h"
#include "desk/net/protocol.h"
#include "desk/net/reply.h"
#include "desk/velto/contest.h"
#include "desk/velto/startup.h"
#include "platform/linux/curl_http_client.h"
#include "platform/linux/linux_network_probe.h"
#include "tests/support/desk_fixture.h"
#include "tests/support/plixsrv_process.h"

namespace plix {
namespace {

class WithPlixsrv : public testing::DeskFixture {
protected:
    CurlHttpClient client;
    std::unique_ptr<testing::PlixsrvProcess> server;

    void start(std::vector<std::string> args) {
        server = std::make_unique<testing::PlixsrvProcess>(
            PLIXSRV_PROGRAM, (folder / "plixsrv.db").string(), std::move(args));
        ASSERT_NE(server->port(), 0) << "plixsrv did not start";
        desk.os.http = &client;
        setLanguageDefaults(st);
        st.LanguageTable[88] = "Update?";
        st.LanguageTable[89] = "PLIX";
        st.Version = buildVersion();
        st.ServerHost = server->host();
        st.OnlineFlag = 1;
    }
};

TEST_F(WithPlixsrv, ConnectionTestConnectsAndLogsTheExchange) {
    start({"--demo"});
    st.LogEnabled = 1;
    contest(desk);
    EXPECT_EQ(st.ConnectState, 2);
    EXPECT_EQ(st.TestFailed, 0);
    EXPECT_EQ(st.StatusLine1, "Http OKTesting connection");
    EXPECT_EQ(st.StatusLine2, "Connect database OK");
    EXPECT_TRUE(fakes.messages.shown.empty());

    // The test's entry, then the member's record fetched after it.
    const std::string log = folder.read(kLogFile);
    const std::string head = " CONTEST ";
    ASSERT_EQ(log.rfind(head, 0), 0u);
    const std::string reply =
        std::string("PLIX marketplace server<br>cnt=:3<br>Taal=1<br>VERSIE=") + buildVersion();
    const std::string entry = "\r\n\r\nhttp://" + server->host() + "/plix_ctrl.php?CD=01\r\n\r\n" +
                              reply + "\r\n------------------------\r\n GETLEV ";
    EXPECT_EQ(log.substr(head.size() + 8, entry.size()), entry);  // after the time of day
}

TEST_F(WithPlixsrv, AnotherVersionRaisesTheUpdateQuestion) {
    start({"--demo", "--version-text", "1.07"});
    fakes.messages.answers.push_back(MsgResult::Ok);
    contest(desk);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Update?");
    ASSERT_EQ(fakes.urls.opened.size(), 1u);
    EXPECT_EQ(fakes.urls.opened[0], "http://" + server->host() + "/update/raridi.exe");
    EXPECT_TRUE(st.ProgramEnded);
}

TEST_F(WithPlixsrv, TypedTextArrivesUnchanged) {
    start({"--demo"});
    const std::string id = server->value("demo_id_lv");
    ASSERT_FALSE(id.empty());

    serverRequest(desk, " GETVRAAG ", Script::Chkl, 2, {{"ID_LV", id}});
    ReplyCursor list(listStart(st.ServerReply, "CNTRLCODE=02", 4));
    std::string_view number, requester, f;
    ASSERT_TRUE(list.field(number));
    for (int i = 0; i < 3; ++i) list.field(f);
    ASSERT_TRUE(list.field(requester));
    const std::string rnr(number), aid(requester);

    const std::string reaction = "Price 5 & 6+7 = 100% #1";
    serverRequest(desk, " MAKERESP ", Script::Chkl, 5,
                  {{"ID_LV", id}, {"RNR", rnr}, {"AID", aid}, {"TXT", reaction}});
    serverRequest(desk, " GETRESP ", Script::Chkl, 4, {{"ID_LV", id}, {"RNR", rnr}});
    ReplyCursor conversation(st.ServerReply);
    bool found = false;
    while (conversation.enclosed(f)) found = found || f == reaction;
    EXPECT_TRUE(found) << st.ServerReply;
}

TEST_F(WithPlixsrv, PingReachesTheServerByItsLoopbackName) {
    start({});
    LinuxNetworkProbe probe;
    desk.os.network = &probe;
    st.OnlineFlag = 0;
    st.DefaultHost = "www.plix.localhost:" + std::to_string(server->port());
    pingst(desk);
    EXPECT_EQ(st.OnlineFlag, 1);
    EXPECT_EQ(st.PingDiagnostics[0].rfind("0   [ ip success ] - ", 0), 0u) << st.PingDiagnostics[0];
    EXPECT_EQ(st.PingDiagnostics[7], "16777343");
    st.ServerHost = st.DefaultHost;  // and libcurl reaches the server under that name too
    contest(desk);
    EXPECT_EQ(st.ConnectState, 2);
}

}  // namespace
}  // namespace plix
