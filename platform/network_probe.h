#pragma once
// Reaching the network below HTTP: name lookup, a single echo probe, and
// the desktop's proxy setting.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plix {

// Which probe answered a reachability check.
enum class ProbeKind { None, IcmpEcho, TcpConnect };

struct EchoReply {
    std::uint32_t address = 0;     // IPv4 address that replied, network byte order
    int status = 0;                // 0 success, else an ip status code (11002, 11003, 11005, 11010, 11050)
    int roundTripMs = 0;
    std::string data;              // echo data returned (empty for a TCP probe)
    ProbeKind kind = ProbeKind::None;
};

class NetworkProbe {
public:
    virtual ~NetworkProbe() = default;
    // IPv4 address of a host name (network byte order), nothing when it
    // cannot be resolved.
    virtual std::optional<std::uint32_t> resolve(const std::string& host) = 0;
    // One echo to address: an ICMP echo where the system allows unprivileged
    // ICMP sockets, otherwise a TCP connect to tcpPort. Waits at most timeoutMs.
    virtual EchoReply echo(std::uint32_t address, std::uint16_t tcpPort, std::string_view data,
                           int timeoutMs) = 0;
    // The desktop's HTTP proxy setting as written there (e.g.
    // "http://proxy:3128/"), nothing when none is set.
    virtual std::optional<std::string> systemProxy() = 0;
};

}  // namespace plix
