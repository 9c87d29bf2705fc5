#include "desk/net/ping.h"

#include <cstring>

#include "desk/core/number.h"
#include "text/cp1252.h"

namespace plix {

namespace {

struct StatusText {
    int code;
    const char* text;
};

constexpr StatusText kStatusTexts[] = {
    {0, "ip success"},
    {200, "ping timeout"},
    {11001, "ip buf too_small"},
    {11002, "ip dest net unreachable"},
    {11003, "ip dest host unreachable"},
    {11004, "ip dest prot unreachable"},
    {11005, "ip dest port unreachable"},
    {11006, "ip no resources"},
    {11007, "ip bad option"},
    {11008, "ip hw_error"},
    {11009, "ip packet too_big"},
    {11010, "ip req timed out"},
    {11011, "ip bad req"},
    {11012, "ip bad route"},
    {11013, "ip ttl expired transit"},
    {11014, "ip ttl expired reassem"},
    {11015, "ip param_problem"},
    {11016, "ip source quench"},
    {11017, "ip option too_big"},
    {11018, "ip bad destination"},
    {11019, "ip addr deleted"},
    {11020, "ip spec mtu change"},
    {11021, "ip mtu_change"},
    {11022, "ip unload"},
    {11023, "ip addr added"},
    {11050, "ip general failure"},
    {11255, "ip pending"},
};

// Status given to a lookup that found no address: no echo was sent.
constexpr int kBadDestination = 11018;

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool isLoopbackName(std::string_view host) {
    auto endsWithNoCase = [&](std::string_view suffix) {
        if (host.size() < suffix.size()) return false;
        const std::string_view tail = host.substr(host.size() - suffix.size());
        for (std::size_t i = 0; i < suffix.size(); ++i)
            if (lower1252(tail[i]) != suffix[i]) return false;
        return true;
    };
    return (host.size() == 9 && endsWithNoCase("localhost")) || endsWithNoCase(".localhost");
}

constexpr std::uint32_t kLoopback = 0x0100007F;   // 127.0.0.1 in network byte order, read little-endian

std::uint32_t fromBytes(unsigned a, unsigned b, unsigned c, unsigned d) {
    // The address's bytes in wire order, stored as they lie in memory.
    const unsigned char bytes[4] = {static_cast<unsigned char>(a), static_cast<unsigned char>(b),
                                    static_cast<unsigned char>(c), static_cast<unsigned char>(d)};
    std::uint32_t word;
    std::memcpy(&word, bytes, 4);
    return word;
}

std::string probeNote(const EchoReplyRecord& r, std::uint16_t port) {
    if (r.LookupFailed) return " - host not found, no probe sent";
    switch (r.Kind) {
        case ProbeKind::IcmpEcho: return " - ICMP echo";
        case ProbeKind::TcpConnect: return " - TCP connect to port " + std::to_string(port);
        case ProbeKind::None: break;
    }
    return " - no probe";
}

}  // namespace

std::string statusLine(int status) {
    const char* text = "unknown  msg returned";
    for (const StatusText& s : kStatusTexts)
        if (s.code == status) text = s.text;
    return std::to_string(status) + "   [ " + text + " ]";
}

std::string addressNumber(std::uint32_t address) {
    unsigned char bytes[4];
    std::memcpy(bytes, &address, 4);
    const std::uint32_t word = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                               std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    return std::to_string(static_cast<std::int32_t>(word));
}

std::optional<std::uint32_t> dottedAddress(std::string_view host) {
    unsigned parts[4];
    std::size_t i = 0;
    for (int n = 0; n < 4; ++n) {
        if (n > 0) {
            if (i >= host.size() || host[i] != '.') return std::nullopt;
            ++i;
        }
        unsigned v = 0;
        std::size_t digits = 0;
        while (i < host.size() && host[i] >= '0' && host[i] <= '9' && digits < 4) {
            v = v * 10 + static_cast<unsigned>(host[i] - '0');
            ++i;
            ++digits;
        }
        if (digits == 0 || digits > 3 || v > 255) return std::nullopt;
        parts[n] = v;
    }
    if (i != host.size()) return std::nullopt;
    return fromBytes(parts[0], parts[1], parts[2], parts[3]);
}

std::string_view hostWithoutPort(std::string_view host) {
    return host.substr(0, host.find(':'));
}

std::uint16_t portOf(std::string_view host) {
    const std::size_t colon = host.find(':');
    if (colon == std::string_view::npos) return kDefaultHttpPort;
    const long long port = valInt(host.substr(colon + 1));
    return port > 0 && port <= 65535 ? static_cast<std::uint16_t>(port) : kDefaultHttpPort;
}

std::optional<std::uint32_t> hostLookup(Desk& d, std::string_view host) {
    DeskState& s = d.st;
    const std::string_view name = hostWithoutPort(trimBlanks(host));
    std::optional<std::uint32_t> address = dottedAddress(name);
    if (!address && isLoopbackName(name)) address = kLoopback;
    if (!address && d.os.network && !name.empty()) address = d.os.network->resolve(std::string(name));
    if (!address) {
        s.OnlineFlag = 0;
        s.StartDelayFlag = 1;
        return std::nullopt;
    }
    s.OnlineFlag = 1;
    s.PingDiagnostics[7] = addressNumber(*address);
    return address;
}

int ping(Desk& d, std::string_view host, EchoReplyRecord& reply) {
    static constexpr std::string_view kEchoData = "test";
    reply = EchoReplyRecord{};
    const std::optional<std::uint32_t> address = hostLookup(d, host);
    if (!address) {
        reply.LookupFailed = true;
        reply.Status = kBadDestination;
        return -reply.Status;
    }
    if (!d.os.network) {
        reply.Status = 11050;   // nothing to send the echo with
        return -reply.Status;
    }
    const EchoReply r = d.os.network->echo(*address, portOf(trimBlanks(host)), kEchoData, kPingTimeoutMs);
    reply.Address = r.address;
    reply.Status = r.status;
    reply.RoundTripTime = r.roundTripMs;
    reply.Data = r.data;
    reply.DataSize = static_cast<int>(r.data.size());
    reply.Kind = r.kind;
    return r.status != 0 ? -r.status : r.roundTripMs;
}

void pingst(Desk& d) {
    DeskState& s = d.st;
    if (!d.os.network) {
        s.OnlineFlag = 1;
        return;
    }
    const std::string host(trimBlanks(s.DefaultHost.empty() ? d.defaultHost : s.DefaultHost));
    EchoReplyRecord reply;
    ping(d, host, reply);
    auto& diag = s.PingDiagnostics;
    diag[0] = statusLine(reply.Status) + probeNote(reply, portOf(host));
    diag[1] = addressNumber(reply.Address);
    diag[2] = std::to_string(reply.RoundTripTime) + " ms";
    diag[3] = std::to_string(reply.DataSize) + " bytes";
    if (!reply.Data.empty() && reply.Data.front() != '\0')
        diag[4] = reply.Data.substr(0, reply.Data.find('\0'));
    diag[5] = std::to_string(reply.DataPointer);
}

}  // namespace plix
