// Ping diagnostics: host lookup, the echo, the status table and the record.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "desk/net/ping.h"
#include "tests/support/fake_network_probe.h"
#include "tests/support/desk_fixture.h"

namespace plix {
namespace {

std::uint32_t addr(const char* dotted) { return dottedAddress(dotted).value(); }

TEST(PingStatus, StatusLinesFromTheTable) {
    EXPECT_EQ(statusLine(11010), "11010   [ ip req timed out ]");
    EXPECT_EQ(statusLine(0), "0   [ ip success ]");
    EXPECT_EQ(statusLine(200), "200   [ ping timeout ]");
    EXPECT_EQ(statusLine(11255), "11255   [ ip pending ]");
    EXPECT_EQ(statusLine(11024), "11024   [ unknown  msg returned ]");
    EXPECT_EQ(statusLine(-1), "-1   [ unknown  msg returned ]");
}

TEST(PingAddress, DottedAddressesAndTheirNumbers) {
    EXPECT_EQ(addressNumber(addr("127.0.0.1")), "16777343");
    EXPECT_EQ(addressNumber(addr("192.168.1.200")), "-939415360");   // the top byte sets the sign
    EXPECT_EQ(addressNumber(addr("0.0.0.0")), "0");
    std::uint32_t wire;
    inet_pton(AF_INET, "10.1.2.3", &wire);
    EXPECT_EQ(addr("10.1.2.3"), wire);
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3", "a.b.c.d", "1.2.3.4 ", "0001.2.3.4"})
        EXPECT_FALSE(dottedAddress(bad).has_value()) << bad;
    EXPECT_EQ(hostWithoutPort("localhost:8080"), "localhost");
    EXPECT_EQ(portOf("localhost:8080"), 8080);
    EXPECT_EQ(portOf("www.plix.test"), 80);
    EXPECT_EQ(portOf("h:0"), 80);
    EXPECT_EQ(portOf("h:99999"), 80);
}

class Ping : public testing::DeskFixture {
protected:
    testing::FakeNetworkProbe probe;
    void SetUp() override {
        desk.os.network = &probe;
        st.DefaultHost = " www.plix.test ";
        probe.names["www.plix.test"] = addr("10.0.0.7");
        probe.answer = {addr("10.0.0.7"), 0, 12, "test", ProbeKind::IcmpEcho};
    }
};

TEST_F(Ping, ResolvedHostGoesOnlineAndFillsTheRecord) {
    st.OnlineFlag = 0;
    pingst(desk);
    EXPECT_EQ(st.OnlineFlag, 1);
    ASSERT_EQ(probe.echoes.size(), 1u);
    EXPECT_EQ(probe.echoes[0].address, addr("10.0.0.7"));
    EXPECT_EQ(probe.echoes[0].data, "test");
    EXPECT_EQ(probe.echoes[0].timeoutMs, 200);
    EXPECT_EQ(probe.echoes[0].port, 80);
    const auto& diag = st.PingDiagnostics;
    EXPECT_EQ(diag[0], "0   [ ip success ] - ICMP echo");
    EXPECT_EQ(diag[1], addressNumber(addr("10.0.0.7")));
    EXPECT_EQ(diag[2], "12 ms");
    EXPECT_EQ(diag[3], "4 bytes");
    EXPECT_EQ(diag[4], "test");
    EXPECT_EQ(diag[5], "0");
    EXPECT_EQ(diag[7], addressNumber(addr("10.0.0.7")));
}

TEST_F(Ping, FailedEchoKeepsTheLookupsVerdictAndNamesTheProbe) {
    probe.answer = {addr("10.0.0.7"), 11010, 0, "", ProbeKind::TcpConnect};
    st.PingDiagnostics[4] = "earlier";
    EchoReplyRecord r;
    EXPECT_EQ(ping(desk, "www.plix.test", r), -11010);
    pingst(desk);
    EXPECT_EQ(st.OnlineFlag, 1);
    EXPECT_EQ(st.PingDiagnostics[0], "11010   [ ip req timed out ] - TCP connect to port 80");
    EXPECT_EQ(st.PingDiagnostics[4], "earlier");   // no data returned: entry 4 unchanged

    probe.answer = {addr("10.0.0.7"), 0, 3, std::string("\0x", 2), ProbeKind::IcmpEcho};
    pingst(desk);
    EXPECT_EQ(st.PingDiagnostics[4], "earlier");   // data beginning with NUL: unchanged
    probe.answer.data = std::string("ab\0cd", 5);
    pingst(desk);
    EXPECT_EQ(st.PingDiagnostics[4], "ab");
    EXPECT_EQ(st.PingDiagnostics[3], "5 bytes");
}

TEST_F(Ping, UnknownNameGoesOfflineAndSendsNoEcho) {
    st.OnlineFlag = 1;
    st.DefaultHost = "www.nowhere.test";
    pingst(desk);
    EXPECT_EQ(st.OnlineFlag, 0);
    EXPECT_EQ(st.StartDelayFlag, 1);
    EXPECT_TRUE(probe.echoes.empty());
    EXPECT_EQ(st.PingDiagnostics[0], "11018   [ ip bad destination ] - host not found, no probe sent");
}

TEST_F(Ping, AddressesAndLoopbackNamesNeedNoResolverAndGoOnline) {
    for (const char* host : {"127.0.0.1:8080", "localhost:8080", "LOCALHOST", "demo.localhost", "192.0.2.5"}) {
        st.OnlineFlag = 0;
        probe.echoes.clear();
        probe.lookedUp.clear();
        st.DefaultHost = host;
        pingst(desk);
        EXPECT_EQ(st.OnlineFlag, 1) << host;
        EXPECT_TRUE(probe.lookedUp.empty()) << host;
        ASSERT_EQ(probe.echoes.size(), 1u) << host;
    }
    EXPECT_EQ(probe.echoes[0].address, addr("192.0.2.5"));
    st.DefaultHost = "localhost:8080";
    probe.echoes.clear();
    pingst(desk);
    EXPECT_EQ(probe.echoes[0].address, addr("127.0.0.1"));
    EXPECT_EQ(probe.echoes[0].port, 8080);
    EXPECT_EQ(st.PingDiagnostics[7], "16777343");
}

TEST_F(Ping, HostWithAPortIsLookedUpWithoutIt) {
    st.DefaultHost = "www.plix.test:8081";
    pingst(desk);
    ASSERT_EQ(probe.lookedUp.size(), 1u);
    EXPECT_EQ(probe.lookedUp[0], "www.plix.test");
    EXPECT_EQ(probe.echoes.at(0).port, 8081);
}

TEST_F(Ping, WithoutAProbeTheProgramCountsAsOnline) {
    desk.os.network = nullptr;
    st.OnlineFlag = 0;
    pingst(desk);
    EXPECT_EQ(st.OnlineFlag, 1);
}

}  // namespace
}  // namespace plix
