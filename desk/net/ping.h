#pragma once
// Ping diagnostics: is the server's host reachable directly? Looks the
// built-in default host up (which switches OnlineFlag), sends one echo and
// records the result texts in PingDiagnostics.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

inline constexpr int kPingTimeoutMs = 200;
inline constexpr std::uint16_t kDefaultHttpPort = 80;

// What one ping brought back.
struct EchoReplyRecord {
    std::uint32_t Address = 0;    // network byte order
    int Status = 0;
    int RoundTripTime = 0;        // ms
    int DataSize = 0;
    std::uint32_t DataPointer = 0;   // no pointer crosses this interface; always 0
    std::string Data;
    ProbeKind Kind = ProbeKind::None;
    bool LookupFailed = false;
};

// status code + "   [ " + its text + " ]".
std::string statusLine(int status);

// A 32-bit address in network byte order as the decimal number its four
// bytes make when read as a signed little-endian word (127.0.0.1 gives 16777343).
std::string addressNumber(std::uint32_t address);

// "a.b.c.d" (each part 0..255) as an address in network byte order.
std::optional<std::uint32_t> dottedAddress(std::string_view host);

// The host without a ":port" suffix, and the port (80 when none is given).
std::string_view hostWithoutPort(std::string_view host);
std::uint16_t portOf(std::string_view host);

// Host lookup. A dotted address or a loopback name ("localhost",
// "*.localhost") counts as resolved without asking the resolver; any
// resolved host sets OnlineFlag to 1; an unknown name sets OnlineFlag to 0
// and StartDelayFlag to 1. PingDiagnostics[7] gets the address. Nothing
// when the name cannot be resolved.
std::optional<std::uint32_t> hostLookup(Desk& d, std::string_view host);

// One echo to host with the data "test". Returns the round-trip time when a
// reply came, else the negated status. After a failed lookup no echo is sent.
int ping(Desk& d, std::string_view host, EchoReplyRecord& reply);

// Pings the built-in default host and fills PingDiagnostics: 0 the status
// line (naming the probe that ran), 1 the replying address, 2 the round-trip
// time, 3 the data size, 4 the returned data (unless it starts with NUL),
// 5 the data pointer. Without a network probe (some test set-ups) the
// program simply counts as online.
void pingst(Desk& d);

}  // namespace plix
