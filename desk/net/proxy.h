#pragma once
#include <string>
#include <string_view>

#include "desk/core/desk.h"

namespace plix {

inline constexpr const char* kNoProxyNote = "proxy not found";

// The host of a proxy setting: scheme, user part, path and port removed
// ("http://user@proxy.lan:3128/" gives "proxy.lan"; "[::1]:8080" gives "[::1]").
std::string proxyHost(std::string_view setting);

// Reads the desktop's proxy setting: ProxyServer and the proxy note become
// its host (the port dropped; it is only a hint shown to the user); without
// a setting the note says "proxy not found" and ProxyServer stays.
void getproxy(Desk& d);

}  // namespace plix
