#pragma once
// NetworkProbe for Linux. The echo tries an unprivileged ICMP datagram
// socket first; Debian keeps those switched off by default
// (net.ipv4.ping_group_range "1 0"), and then a TCP connect to the server's
// HTTP port answers the same question: can the host be reached?
#include "platform/network_probe.h"

namespace plix {

class LinuxNetworkProbe : public NetworkProbe {
public:
    std::optional<std::uint32_t> resolve(const std::string& host) override;
    EchoReply echo(std::uint32_t address, std::uint16_t tcpPort, std::string_view data,
                   int timeoutMs) override;
    // http_proxy, else HTTP_PROXY, as libcurl and most programs read them.
    std::optional<std::string> systemProxy() override;

    // The two probes on their own (the tests run each).
    // Nothing when the system does not allow the ICMP socket.
    static std::optional<EchoReply> icmpEcho(std::uint32_t address, std::string_view data, int timeoutMs);
    static EchoReply tcpConnect(std::uint32_t address, std::uint16_t port, int timeoutMs);
};

}  // namespace plix
