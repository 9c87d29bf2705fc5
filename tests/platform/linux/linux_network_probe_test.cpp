// The Linux network probe: the TCP stand-in for an echo and the proxy setting.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/linux/linux_network_probe.h"

namespace plix {
namespace {

const std::uint32_t kLoopback = htonl(INADDR_LOOPBACK);

// The real probes on loopback.
TEST(LinuxProbe, TcpConnectSeesAListenerAndARefusal) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    socklen_t size = sizeof a;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &size);
    const std::uint16_t port = ntohs(a.sin_port);

    EchoReply ok = LinuxNetworkProbe::tcpConnect(kLoopback, port, 200);
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.kind, ProbeKind::TcpConnect);
    EXPECT_LT(ok.roundTripMs, 200);
    ::close(listener);

    EchoReply refused = LinuxNetworkProbe::tcpConnect(kLoopback, port, 200);
    EXPECT_EQ(refused.status, 11005);

    // Whichever probe the system allows, loopback answers.
    LinuxNetworkProbe probe;
    EchoReply any = probe.echo(kLoopback, port, "test", 200);
    if (any.kind == ProbeKind::IcmpEcho) {
        EXPECT_EQ(any.status, 0);
        EXPECT_EQ(any.data, "test");
    } else {
        EXPECT_EQ(any.status, 11005);  // the listener is gone: refused, yet the host answered
    }
    EXPECT_EQ(probe.resolve("localhost").value_or(0), kLoopback);
}

TEST(LinuxProxySetting, ReadsTheEnvironment) {
    LinuxNetworkProbe probe;
    ::unsetenv("http_proxy");
    ::unsetenv("HTTP_PROXY");
    EXPECT_FALSE(probe.systemProxy().has_value());
    ::setenv("HTTP_PROXY", "http://upper:1", 1);
    EXPECT_EQ(probe.systemProxy().value_or(""), "http://upper:1");
    ::setenv("http_proxy", "http://lower:2", 1);
    EXPECT_EQ(probe.systemProxy().value_or(""), "http://lower:2");
    ::unsetenv("http_proxy");
    ::unsetenv("HTTP_PROXY");
}

}  // namespace
}  // namespace plix
